#pragma once

#include <QDialog>

namespace vorlix {

class ShellOpener;
class UserPrompt;

// The About box: the product picture. Over its web-link area the cursor becomes a hand and a
// click opens the product's web site; a click anywhere else closes the box.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    AboutBox(ShellOpener& shell, UserPrompt& prompt, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ShellOpener& m_shell;
    UserPrompt& m_prompt;
    QPixmap m_picture;
};

}  // namespace vorlix
