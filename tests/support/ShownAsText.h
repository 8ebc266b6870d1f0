#pragma once

#include <QLabel>
#include <QTextDocument>

// Whether a label draws the characters it holds, not markup they might spell:
// Qt takes a label's text as rich text when told to, or when left to guess and
// the text looks like markup.
inline bool ShownAsText(const QLabel* label)
{
    return label->textFormat() == Qt::PlainText ||
           (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(label->text()));
}
