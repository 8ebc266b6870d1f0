// The status bar's panels show their whole texts in the window's fixed width,
// whatever modem of the simulator's profiles was read.
#include "ProgramFixture.h"

#include <QAction>
#include <QApplication>
#include <QToolBar>
#include <QDir>
#include <QLabel>
#include <QStatusBar>

#include <algorithm>

namespace {

class StatusBarTest : public ProgramFixture, public ::testing::WithParamInterface<std::string> {};

std::vector<std::string> everyProfile()
{
    std::vector<std::string> names;
    const QDir folder(QStringLiteral(SIM_PROFILES_DIR));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.profile")}, QDir::Files, QDir::Name))
        names.push_back(file.completeBaseName().toStdString());
    return names;
}

}  // namespace

TEST_P(StatusBarTest, EveryPanelShowsItsWholeText)
{
    Play(GetParam());
    // A modem that starts switched off is switched on as a user would.
    modem.PowerCycle(clock.NowMs());
    ASSERT_TRUE(Load());
    form->show();
    ASSERT_TRUE(ReadModem()) << prompt.Texts().join(" | ").toStdString();
    QApplication::processEvents();

    const QStatusBar* bar = form->statusBar();
    ASSERT_LE(bar->geometry().right(), form->rect().right());
    for (int i = 1; i <= 5; ++i) {
        const QLabel* panel = form->StatusBar1[i];
        SCOPED_TRACE(panel->text().toStdString());
        EXPECT_LE(panel->fontMetrics().horizontalAdvance(panel->text()), panel->contentsRect().width());
        EXPECT_LE(panel->geometry().right(), bar->contentsRect().right());
    }
}

// Resting the pointer on a toolbar button leaves the five panels as they are.
TEST_F(ProgramFixture, AToolbarButtonsDescriptionDoesNotCoverThePanels)
{
    Play("default");
    ASSERT_TRUE(Load());
    form->show();
    ASSERT_TRUE(ReadModem());
    for (QAction* action : form->Toolbar1->actions()) {
        SCOPED_TRACE(action->objectName().toStdString());
        ASSERT_FALSE(action->statusTip().isEmpty()) << "each button keeps its description";
        action->showStatusText(form->Toolbar1->widgetForAction(action));
        QApplication::processEvents();
        EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
        for (int i = 1; i <= 5; ++i) EXPECT_TRUE(form->StatusBar1[i]->isVisible()) << "panel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Profiles, StatusBarTest, ::testing::ValuesIn(everyProfile()),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });
