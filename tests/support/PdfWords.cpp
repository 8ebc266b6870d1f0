#include "PdfWords.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

// Two words of one text are at most two blanks apart; a blank is under 3 points wide.
constexpr double WordGap = 7.0;
constexpr double BlankWidth = 3.0;
constexpr double Tolerance = 0.5;

QString unescaped(const QString& xml)
{
    QString text = xml;
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

}  // namespace

PdfWords::PdfWords(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                                QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        error_ = QStringLiteral("pdftotext failed (scripts/setup installs poppler-utils): ") +
                 QString::fromLocal8Bit(process.readAllStandardError()) + process.errorString();
        return;
    }
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-0-9.]+)\" yMin=\"([-0-9.]+)\" xMax=\"([-0-9.]+)\" yMax=\"([-0-9.]+)\">([^<]*)</word>"));
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">"));
    const QString xml = QString::fromUtf8(process.readAllStandardOutput());
    if (const QRegularExpressionMatch m = page.match(xml); m.hasMatch())
        page_ = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words_ << Word{unescaped(m.captured(5)), m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble()};
    }
}

QString PdfWords::TextAt(QPointF point, double slack) const
{
    QList<Word> line;
    for (const Word& w : words_)
        if (std::abs(w.Y - point.y()) < Tolerance && w.X > point.x() - Tolerance) line << w;
    std::sort(line.begin(), line.end(), [](const Word& a, const Word& b) { return a.X < b.X; });
    if (line.isEmpty() || line.first().X >= point.x() + slack + Tolerance) return QString();
    QString text = line.first().Text;
    for (qsizetype i = 1; i < line.size() && line[i].X - line[i - 1].Right < WordGap; ++i)
        text += QLatin1Char(' ') + line[i].Text;
    return text;
}

bool PdfWords::HasTextAt(QPointF point, const QString& expected) const
{
    qsizetype blanks = 0;
    while (blanks < expected.size() && expected[blanks] == QLatin1Char(' ')) ++blanks;
    const QString want = expected.simplified();
    const QString text = TextAt(point, blanks * BlankWidth);
    return text.startsWith(want) && (text.size() == want.size() || text[want.size()] == QLatin1Char(' '));
}

std::optional<QPointF> PdfWords::Find(const QString& text) const
{
    for (const Word& w : words_)
        if (w.Text == text) return QPointF(w.X, w.Y);
    return std::nullopt;
}

QString PdfWords::AllText() const
{
    QStringList texts;
    for (const Word& w : words_) texts << w.Text;
    return texts.join(QLatin1Char(' '));
}
