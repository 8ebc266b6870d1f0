#pragma once

#include <QLabel>
#include <functional>

// A label that runs a handler when the user clicks it (a press and a release on
// it). The keyboard uses it as it uses a button: Tab and the arrows bring the
// focus to it, and Space clicks it.
class ClickLabel : public QLabel {
public:
    ClickLabel(const QString& name, const QString& text, QWidget* parent = nullptr);

    std::function<void()> Click;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};
