#pragma once

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
    // Labels wrap at this distance from the sheet's left edge.
    static constexpr int RightEdge = 11520;

    explicit PrintSet(QWidget* parent = nullptr);

    // The logo of the branding, the distributor and the heading.
    void Form_Load();
    // Every filled label takes its text and visibility from the sheet.
    void Fill(const PrintSheet& sheet);
    // Prints the page. Raises "Printer error" when the printer cannot be started.
    void PrintTo(QPrinter& printer) const;

    // A label's top left corner in twips.
    static QPoint TwipsPosition(const QWidget* label);

    QLabel* PicOrvaneLogo;
    QLabel* PicQuessarlogo;

private:
    QLabel* place(const QString& name, const QString& text, int top, int left, int points = 9, bool bold = false);
    void fit(QLabel* label);
};
