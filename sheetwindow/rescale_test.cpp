// The rescaler on a real form: which edges each Tag scales, exact restoration and
// the minimised window.
#include "sheetwindow/rescale.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

struct Control {
    const char* tag;
    QRect design;  // on a 400 x 300 form
    QRect widened; // after the form grows to 800 x 450 (ratio X 2, ratio Y 1.5)
};

// Odd design values, so that truncation in the scaled sizes shows.
const Control kControls[] = {
    {"", QRect(37, 31, 81, 19), QRect(74, 46, 162, 28)},
    {"@L,T", QRect(101, 63, 53, 25), QRect(202, 94, 53, 25)},
    {"fisso", QRect(11, 201, 61, 41), QRect(22, 301, 122, 61)},
    {"@w", QRect(29, 101, 71, 23), QRect(29, 101, 142, 23)},
    {"@h,t", QRect(213, 17, 45, 33), QRect(213, 25, 45, 49)},
    {"@", QRect(301, 251, 27, 13), QRect(301, 251, 27, 13)},
    {"@LTWH", QRect(151, 151, 99, 99), QRect(302, 226, 198, 148)},
};

class ClsResizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.resize(400, 300);
        for (const Control& c : kControls) {
            auto* label = new QLabel(QString::fromUtf8(c.tag), &form);
            label->setGeometry(c.design);
            label->setProperty("Tag", QString::fromUtf8(c.tag));
            labels.push_back(label);
        }
        resizer.setSourceForm(&form);
        resizer.ReInitialise();
    }

    void resizeForm(int width, int height) {
        form.resize(width, height);
        resizer.ResizeControls();
    }

    QWidget form;
    ClsResize resizer;
    std::vector<QLabel*> labels;
};

TEST_F(ClsResizeTest, EachTagScalesItsOwnEdges) {
    resizeForm(800, 450);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->geometry(), kControls[i].widened) << "Tag " << kControls[i].tag;
}

TEST_F(ClsResizeTest, ShrinkingToHalfAndBackRestoresEveryControl) {
    resizeForm(200, 300);
    EXPECT_EQ(labels[0]->geometry(), QRect(18, 31, 40, 19));
    resizeForm(400, 300);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->geometry(), kControls[i].design) << "Tag " << kControls[i].tag;
}

TEST_F(ClsResizeTest, MinimisedWindowIsLeftAlone) {
    // The offscreen platform cannot minimise a shown window: the state is what counts.
    form.setWindowState(Qt::WindowMinimized);
    ASSERT_TRUE(form.isMinimized());
    resizeForm(800, 450);
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->geometry(), kControls[i].design) << "Tag " << kControls[i].tag;
    // The table recorded before is still the reference once the window is restored.
    form.setWindowState(Qt::WindowNoState);
    resizer.ResizeControls();
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->geometry(), kControls[i].widened) << "Tag " << kControls[i].tag;
}

TEST_F(ClsResizeTest, ControlsAddedLaterFollowOnlyAfterReInitialise) {
    auto* late = new QLabel("late", &form);
    late->setGeometry(50, 50, 20, 20);
    resizeForm(800, 450);
    EXPECT_EQ(late->geometry(), QRect(50, 50, 20, 20));
    resizer.ReInitialise(); // records the 800 x 450 layout as the design
    resizeForm(400, 300);
    EXPECT_EQ(late->geometry(), QRect(25, 33, 10, 13));
}

TEST_F(ClsResizeTest, SizeFormToScreenCentresTheWindowAndScalesTheControls) {
    const QRect screen = form.screen()->geometry();
    resizer.SizeFormToScreen(75);
    EXPECT_NEAR(form.width(), screen.width() * 0.75, 1.0);
    EXPECT_NEAR(form.height(), screen.height() * 0.75, 1.0);
    EXPECT_NEAR(form.x() - screen.x(), (screen.width() - form.width()) / 2.0, 1.0);
    EXPECT_NEAR(form.y() - screen.y(), (screen.height() - form.height()) / 2.0, 1.0);
    const double rx = form.width() / 400.0, ry = form.height() / 300.0;
    EXPECT_EQ(labels[0]->x(), int(37 * rx));
    EXPECT_EQ(labels[0]->height(), int(19 * ry));
    EXPECT_EQ(labels[1]->size(), QSize(53, 25));
}

TEST_F(ClsResizeTest, ResizeOfAShownWindowRescalesByItself) {
    form.show();
    form.resize(800, 450);
    QCoreApplication::processEvents();
    EXPECT_EQ(labels[0]->geometry(), kControls[0].widened);
    form.hide();
}

} // namespace
