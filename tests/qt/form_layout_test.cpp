#include <QLabel>
#include <QMenu>
#include <QSet>
#include <QWindow>

#include "qt/fonts.h"
#include "tests/qt/form_fixture.h"
#include "window/click_routes.h"
#include "window/form_controls.h"
#include "window/tab_order.h"

namespace ohmcalc {
namespace {

using FormLayout = FormTest;

QRect Pixels(const TwipRect& rect) {
  return QRect(TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
               TwipsToPixels(rect.height));
}

TEST_F(FormLayout, WindowTitleSizeAndStartState) {
  EXPECT_EQ(form_->windowTitle(), QString::fromUtf8(OHMCALC_TITLE));
  EXPECT_EQ(form_->size(), QSize(702, 476));
  EXPECT_FALSE(form_->windowIcon().isNull());
  EXPECT_EQ(form_->windowIcon().availableSizes().value(0), QSize(32, 32));
  QImage icon = form_->windowIcon().pixmap(32, 32).toImage();
  QSet<QRgb> colours;
  for (int y = 0; y < icon.height(); ++y) {
    for (int x = 0; x < icon.width(); ++x) colours.insert(icon.pixel(x, y));
  }
  EXPECT_LE(colours.size(), 256);
  EXPECT_GT(colours.size(), 8) << "the icon has a picture";
  EXPECT_EQ(QApplication::focusWidget(), Box(1));
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.ohmcalc.OhmCalc");  // matches the installed desktop entry
  for (const QString& text : AllBoxes()) EXPECT_TRUE(text.isEmpty());
}

TEST_F(FormLayout, EveryControlMatchesTheTable) {
  QSet<QString> names;
  for (const ControlSpec& entry : kFormControls) {
    SCOPED_TRACE(entry.name);
    names.insert(entry.name);
    auto* control = form_->findChild<QWidget*>(entry.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->geometry(), Pixels(entry.rect));
    QString caption = QString::fromUtf8(entry.caption);
    switch (entry.kind) {
      case ControlKind::kTextBox: {
        auto* box = qobject_cast<QLineEdit*>(control);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->maxLength(), std::numeric_limits<int>::max());
        EXPECT_EQ(box->font().family(), SongFamily());
        EXPECT_DOUBLE_EQ(box->font().pointSizeF(), entry.font == ControlFont::kSongSmall ? 15.0 : 15.75);
        EXPECT_EQ(box->font().weight(), QFont::Normal);
        EXPECT_FALSE(box->font().bold() || box->font().italic() || box->font().underline());
        break;
      }
      case ControlKind::kButton: {
        auto* button = qobject_cast<QPushButton*>(control);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), caption);
        EXPECT_FALSE(button->isDefault() || button->autoDefault());
        EXPECT_EQ(button->font(), form_->font());
        break;
      }
      case ControlKind::kLabel:
      case ControlKind::kBar: {
        auto* label = qobject_cast<QLabel*>(control);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), caption);
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
        bool song = entry.font == ControlFont::kSong;
        if (song) {
          EXPECT_EQ(label->font().family(), SongFamily());
          EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 15.75);
        } else {
          EXPECT_EQ(label->font(), form_->font());
        }
        bool red = label->autoFillBackground() && label->palette().color(label->backgroundRole()) == QColor(255, 0, 0);
        EXPECT_EQ(red, entry.kind == ControlKind::kBar);
        break;
      }
    }
  }
  EXPECT_EQ(names.size(), 70);
  EXPECT_EQ(form_->findChildren<QLineEdit*>().size(), 21);
  EXPECT_EQ(form_->findChildren<QPushButton*>().size(), 21);
  EXPECT_EQ(form_->findChildren<QLabel*>().size(), 28);
}

TEST_F(FormLayout, CaptionsAreExact) {
  EXPECT_EQ(form_->findChild<QLabel*>("Label4")->text(), QString::fromUtf8("电压  v"));
  EXPECT_EQ(form_->findChild<QLabel*>("Label2")->text(), QString::fromUtf8("电阻  \u03A9"));
  EXPECT_EQ(form_->findChild<QLabel*>("Label26")->text(), QString::fromUtf8("公式 （V×V）÷Ω=W"));
  EXPECT_EQ(form_->findChild<QLabel*>("Label1")->text(), "Label1");
  EXPECT_EQ(form_->findChild<QLabel*>("Label7")->text(), "");
  EXPECT_EQ(Button("Command2")->height(), 28);  // 425 twips, not 435
  EXPECT_EQ(Button("Command1")->height(), 29);
}

TEST_F(FormLayout, EveryCaptionCharacterHasAGlyph) {
  for (const ControlSpec& entry : kFormControls) {
    auto* control = form_->findChild<QWidget*>(entry.name);
    QFontMetrics metrics(control->font());
    for (QChar c : QString::fromUtf8(entry.caption))
      EXPECT_TRUE(metrics.inFont(c)) << entry.name << " U+" << std::hex << static_cast<int>(c.unicode());
  }
  QFontMetrics box_metrics(Box(1)->font());
  for (QChar c : QString::fromUtf8("电阻0123456789.,-+E")) EXPECT_TRUE(box_metrics.inFont(c));
  EXPECT_EQ(form_->font().family(), WindowFamily());
}

TEST_F(FormLayout, QtsOwnTextIsChinese) {
  std::unique_ptr<QMenu> menu(Box(1)->createStandardContextMenu());
  QStringList texts;
  for (QAction* action : menu->actions()) texts << action->text();
  EXPECT_TRUE(texts.join(' ').contains(QString::fromUtf8("复制"))) << texts.join(' ').toStdString();
}

TEST_F(FormLayout, BoxesAndButtonsAreDrawnAboveLabels) {
  for (const ControlSpec& entry : kFormControls) {
    if (entry.kind == ControlKind::kLabel || entry.kind == ControlKind::kBar) continue;
    QWidget* control = form_->findChild<QWidget*>(entry.name);
    // The top edge of every box and button is where unit labels reach in.
    QPoint top_edge = control->geometry().topLeft() + QPoint(control->width() / 2, 1);
    EXPECT_EQ(form_->childAt(top_edge), control) << entry.name;
  }
  QWidget* label = form_->findChild<QWidget*>("Label3");  // 375 twips high, reaches 135 into Text2
  QPoint overlap(label->x() + 5, label->geometry().bottom() - 1);
  EXPECT_EQ(form_->childAt(overlap), Box(2));
}

TEST_F(FormLayout, ResizingMovesNothing) {
  QRect before = Box(21)->geometry();
  form_->resize(900, 700);
  QApplication::processEvents();
  EXPECT_EQ(Box(21)->geometry(), before);
  form_->resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(Box(21)->geometry(), before);
}

TEST_F(FormLayout, AccessibleNamesTellTheBoxesApart) {
  QSet<QString> names;
  for (QLineEdit* box : form_->findChildren<QLineEdit*>()) names.insert(box->accessibleName());
  EXPECT_EQ(names.size(), 21);
  EXPECT_EQ(Box(6)->accessibleName(), QString::fromUtf8("第2行 电流 A"));
  EXPECT_EQ(Box(20)->accessibleName(), QString::fromUtf8("第7行 电阻 Ω"));
  EXPECT_EQ(Box(21)->accessibleName(), QString::fromUtf8("第7行 功率 W"));
  EXPECT_EQ(Button("Command5")->accessibleName(), QString::fromUtf8("第2行 等于"));
  EXPECT_EQ(Button("Command17")->accessibleName(), QString::fromUtf8("第7行 清除"));
  EXPECT_EQ(Button("Command22")->accessibleName(), QString::fromUtf8("第6行 乘以"));
}

TEST_F(FormLayout, TabVisitsEveryBoxAndButtonInOrder) {
  ASSERT_EQ(QApplication::focusWidget(), Box(1));
  for (std::size_t i = 1; i <= kTabOrder.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), kFormControls[kTabOrder[i % kTabOrder.size()]].name)
        << "after " << i << " tabs";
  }
}

}  // namespace
}  // namespace ohmcalc
