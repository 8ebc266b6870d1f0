#pragma once

#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <optional>

// The words of a PDF's first page with their boxes, as "pdftotext -bbox" reads them
// (points from the page's top left corner), and the texts that start at a point.
class PdfWords {
public:
    struct Word {
        QString Text;
        double X, Y;  // the box's left and top edges
        double Right;
        double Bottom;
    };

    // Runs pdftotext on the file; Error() says why when it could not.
    explicit PdfWords(const QString& pdf);

    const QList<Word>& Words() const { return words_; }
    const QString& Error() const { return error_; }
    // The first page's width and height in points.
    QSizeF PageSize() const { return page_; }
    // The text of one line that starts at the point (within half a point, or the
    // slack further right): its words joined by single blanks, up to the first gap
    // wider than two blanks; empty when no word starts there. Texts printed close
    // together come out as one.
    QString TextAt(QPointF point, double slack = 0) const;
    // The text at the point begins with the expected one (blanks simplified, whole
    // words); leading blanks of the expected text move its first word right.
    bool HasTextAt(QPointF point, const QString& expected) const;
    // Where the first word with that text starts; none when absent.
    std::optional<QPointF> Find(const QString& word) const;
    // Every word's text, joined by blanks.
    QString AllText() const;

private:
    QList<Word> words_;
    QString error_;
    QSizeF page_;
};
