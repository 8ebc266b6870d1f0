#pragma once

#include <QPointF>
#include <QRectF>
#include <QWidget>

class PrintSheet;
class QLabel;
class QPrinter;

// The printed configuration sheet: a page of labels at fixed positions in twips
// (1440 to the inch), filled from a PrintSheet and printed as vector text, so that
// a PDF holds each text at its position. It is never shown on the screen.
class PrintSet : public QWidget {
public:
    // Where the page's top left corner puts the sheet's: a quarter inch in and down.
    static constexpr int PageOffset = 360;
    // The sheet's width as designed.
    static constexpr int RightEdge = 11520;
    // Most printers cannot print the outer quarter inch of the paper.
    static constexpr int LeastMargin = 360;

    // How the sheet sits on the paper: page = Origin + Scale * sheet, in twips.
    struct Placement {
        double Scale = 1;
        QPointF Origin;
    };

    explicit PrintSet(QWidget* parent = nullptr);

    // The logo of the branding, the distributor and the heading.
    void Form_Load();
    // Every filled label takes its text and visibility from the sheet.
    void Fill(const PrintSheet& sheet);
    // Prints the page. Raises "Printer error" when the printer cannot be started.
    void PrintTo(QPrinter& printer) const;

    // A label's top left corner in twips.
    static QPoint TwipsPosition(const QWidget* label);
    // The sheet's texts, which cover content, at full size and PageOffset from the
    // paper's corner where they fit in printable; else moved, and shrunk if need be,
    // just enough to fit, their places relative to each other kept.
    static Placement Fit(const QRectF& content, const QRectF& printable);

    QLabel* PicOrvaneLogo;
    QLabel* PicQuessarlogo;

private:
    QLabel* place(const QString& name, const QString& text, int top, int left, int points = 9, bool bold = false);
};
