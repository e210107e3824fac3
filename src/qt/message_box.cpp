#include "qt/message_box.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

namespace {

// The toolkit's message box wraps any text wider than half the screen; this
// one unwraps it again as it is shown, when its longest line fits.
class WholeLinesBox final : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    QLabel* label = textLabel();
    if (!label || !label->wordWrap()) return;
    int longest = 0;
    for (const QString& line : text().split(QLatin1Char('\n')))
      longest = std::max(longest, label->fontMetrics().horizontalAdvance(line));
    const QRect screen = this->screen()->availableGeometry();
    const int around = frameGeometry().width() - label->width();  // icon, margins, frame
    if (longest + around > screen.width()) return;
    const QRect before = frameGeometry();
    label->setWordWrap(false);
    layout()->activate();
    setFixedSize(std::max(width(), layout()->totalMinimumSize().width()),
                 layout()->totalMinimumSize().height());
    // Grown about its old centre, and kept on the screen.
    QRect now(QPoint(), frameGeometry().size());
    now.moveCenter(before.center());
    now.moveLeft(std::clamp(now.left(), screen.left(),
                            std::max(screen.left(), screen.right() + 1 - now.width())));
    now.moveTop(std::clamp(now.top(), screen.top(),
                           std::max(screen.top(), screen.bottom() + 1 - now.height())));
    move(now.topLeft());
  }

 private:
  QLabel* textLabel() const {
    for (QLabel* label : findChildren<QLabel*>())
      if (label->text() == text()) return label;
    return nullptr;
  }
};

}  // namespace

void showInformation(QWidget* parent, const QString& title, const QString& text) {
  WholeLinesBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
  box.exec();
}
