// What a screen reader finds in the window: names that say what the
// builder's controls concern, and the commentary line and the figures that
// the match screen paints itself. (Offscreen, Qt keeps accessibility
// switched off, so the events that tell a screen reader of a new line are
// not seen here.)

#include "qt/accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <memory>
#include <set>
#include <vector>

#include "app/form1.h"
#include "platform/virtual_platform.h"
#include "qt/painting.h"
#include "qt/view.h"
#include "teams/countries.h"

namespace {

// What a listener hears a widget called: its name, but for a list, which
// Qt on Linux names by its chosen entry, its description.
QString nameOf(QWidget* widget) {
  QAccessibleInterface* widgetFound = QAccessible::queryAccessibleInterface(widget);
  return widgetFound->text(widgetFound->role() == QAccessible::ComboBox ? QAccessible::Description
                                                                        : QAccessible::Name);
}

}  // namespace

class AccessibleWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(form);
    form.load();
    view = std::make_unique<View>(form);
  }
  QString nameOf(const Element& e) { return ::nameOf(view->widgetOf(e)); }

  VirtualPlatform platform;
  Form1 form{platform};
  std::unique_ptr<View> view;
};

TEST_F(AccessibleWindow, TheBuilderSaysWhoseCountryEachControlConcerns) {
  const auto facts = [this](int team) {
    return "Facts about " + QString::fromStdString(countryName(form, team));
  };
  const struct {
    const Element& element;
    QString name;
  } names[] = {
      {form.Picture2, "Make up the two countries"},
      {form.Command1[0], "Random home country"},
      {form.Command1[1], "Random away country"},
      {form.Command4[0], facts(0)},
      {form.Command4[1], facts(1)},
      {form.Combo1[0], "The home country's first syllable"},
      {form.Combo1[4], "The away country's middle syllable"},
      {form.Combo1[5], "The away country's ending"},
      {form.Command2, "Go"},  // its caption says it all
  };
  for (const auto& n : names) EXPECT_EQ(nameOf(n.element), n.name);

  // A new syllable makes a new country, and its "i." says so.
  List& first = form.Combo1[0];
  const QString before = nameOf(form.Command4[0]);
  form.choose(first, (first.listIndex + 1) % static_cast<int>(first.entries.size()));
  view->sync();
  EXPECT_NE(nameOf(form.Command4[0]), before);
  EXPECT_EQ(nameOf(form.Command4[0]), facts(0));
  EXPECT_EQ(nameOf(form.Command4[1]), facts(1));
}

TEST_F(AccessibleWindow, TheMatchScreenShowsTheCommentaryAndEveryFigureOnThePitchByName) {
  form.Command2_Click();
  form.Command5_Click();
  view->sync();
  QWidget* pitch = view->widgetOf(form.Picture1);
  QAccessibleInterface* screen = QAccessible::queryAccessibleInterface(pitch);
  ASSERT_TRUE(screen);
  EXPECT_EQ(screen->text(QAccessible::Name), "The match");

  // What a screen reader walking the screen's children finds.
  const auto children = [&] {
    std::multiset<QString> figures;
    QStringList commentary;
    for (int i = 0; i < screen->childCount(); ++i) {
      QAccessibleInterface* child = screen->child(i);
      EXPECT_EQ(screen->indexOfChild(child), i);
      EXPECT_EQ(child->parent(), screen);
      if (child->role() == QAccessible::StaticText) commentary << child->text(QAccessible::Name);
      if (child->role() == QAccessible::Graphic) figures.insert(child->text(QAccessible::Name));
    }
    return std::make_pair(figures, commentary);
  };
  std::multiset<QString> onThePitch;
  for (const Figure& figure : form.player)
    if (figure.visible) onThePitch.insert(QString::fromStdString(figure.name()));
  ASSERT_EQ(onThePitch.size(), 22u);
  auto [figures, commentary] = children();
  EXPECT_EQ(figures, onThePitch);
  EXPECT_EQ(commentary, QStringList{labelText(form.Announcer.caption)});

  // One figure left on the pitch, where it is painted.
  for (std::size_t i = 0; i < form.player.size(); ++i) form.player[i].visible = i == 7;
  form.Announce2("Only one left.");
  view->sync();
  std::tie(figures, commentary) = children();
  EXPECT_EQ(figures, std::multiset<QString>{QString::fromStdString(form.player[7].name())});
  EXPECT_EQ(commentary, QStringList{"Only one left."});
  const Figure& seven = form.player[7];
  const QRect painted(pitch->mapToGlobal(QPoint(toPixels(seven.left), toPixels(seven.top))),
                      QSize(toPixels(seven.width), toPixels(seven.height)));
  QAccessibleInterface* found = screen->childAt(painted.center().x(), painted.center().y());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->text(QAccessible::Name), QString::fromStdString(seven.name()));
  EXPECT_EQ(found->rect(), painted);
}
