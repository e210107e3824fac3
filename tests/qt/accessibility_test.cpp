// What a screen reader finds in the window: names that say what the
// builder's controls concern, and the commentary line and the figures that
// the match screen paints itself. (Offscreen, Qt keeps accessibility off, so
// the events that announce a new line are not seen here.)

#include "qt/accessibility.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <set>

#include "app/form1.h"
#include "qt/painting.h"
#include "qt/view.h"
#include "support/viewed.h"
#include "teams/countries.h"

namespace {

struct AccessibleWindow : ::testing::Test, Viewed {
  // What a listener hears an element called: a list, which Qt on Linux names
  // by its chosen entry, says what it concerns in its description.
  QString nameOf(const Element& e) {
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(view->widgetOf(e));
    return found->text(found->role() == QAccessible::ComboBox ? QAccessible::Description
                                                              : QAccessible::Name);
  }
  QString facts(int team) {
    return "Facts about " + QString::fromStdString(countryName(form, team));
  }
};

}  // namespace

TEST_F(AccessibleWindow, TheBuilderSaysWhoseCountryEachControlConcerns) {
  EXPECT_EQ(nameOf(form.Command1[0]), "Random home country");
  EXPECT_EQ(nameOf(form.Command1[1]), "Random away country");
  EXPECT_EQ(nameOf(form.Combo1[0]), "The home country's first syllable");
  EXPECT_EQ(nameOf(form.Combo1[5]), "The away country's ending");
  EXPECT_EQ(nameOf(form.Command2), "Go");  // its caption says it all
  // A new syllable makes a new country, and its "i." says so.
  const QString before = nameOf(form.Command4[0]);
  EXPECT_EQ(before, facts(0));
  List& first = form.Combo1[0];
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
  // What a screen reader walking the screen's children finds: figures, lines.
  const auto children = [&] {
    std::multiset<QString> found[2];
    for (int i = 0; i < screen->childCount(); ++i) {
      QAccessibleInterface* child = screen->child(i);
      EXPECT_EQ(screen->indexOfChild(child), i);
      EXPECT_EQ(child->parent(), screen);
      const bool line = child->role() == QAccessible::StaticText;
      if (line || child->role() == QAccessible::Graphic)
        found[line].insert(child->text(QAccessible::Name));
    }
    return std::make_pair(found[0], found[1]);
  };
  std::multiset<QString> onThePitch;
  for (const Figure& figure : form.player)
    if (figure.visible) onThePitch.insert(QString::fromStdString(figure.name()));
  EXPECT_EQ(onThePitch.size(), 22u);
  EXPECT_EQ(children(),
            std::make_pair(onThePitch, std::multiset<QString>{labelText(form.Announcer.caption)}));

  // One figure left on the pitch, found where it is painted.
  for (std::size_t i = 0; i < form.player.size(); ++i) form.player[i].visible = i == 7;
  form.Announce2("Only one left.");
  view->sync();
  const QString seven = QString::fromStdString(form.player[7].name());
  EXPECT_EQ(children(), std::make_pair(std::multiset<QString>{seven},
                                       std::multiset<QString>{"Only one left."}));
  const QRect painted(
      pitch->mapToGlobal(QPoint(toPixels(form.player[7].left), toPixels(form.player[7].top))),
      QSize(toPixels(form.player[7].width), toPixels(form.player[7].height)));
  QAccessibleInterface* found = screen->childAt(painted.center().x(), painted.center().y());
  ASSERT_TRUE(found);
  EXPECT_EQ(found->text(QAccessible::Name), seven);
  EXPECT_EQ(found->rect(), painted);
}
