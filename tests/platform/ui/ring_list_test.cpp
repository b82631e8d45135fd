// A ring's drop-down: a plain list of its items under the ring, and the closed ring's frame.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QListWidget>
#include <QScreen>
#include <array>
#include <string>
#include <vector>

#include "tests/platform/ui/ui_fixture.h"

namespace {

std::vector<int> g_events;

int RecordEvent(int, int, int event, void*, int, int) {
    g_events.push_back(event);
    return 0;
}

class RingListTest : public UiTest {
  protected:
    void SetUp() override {
        UiTest::SetUp();
        g_events.clear();
        panel = NewPanel(0, "rings", 0, 0, 200, 300);
        ASSERT_EQ(SetPanelAttribute(panel, ATTR_PANEL_BACKCOLOR, 0xFFFFFF), 0);
        ring = NewCtrl(panel, CTRL_RING, "", 40, 20);
        ASSERT_EQ(SetCtrlAttribute(panel, ring, ATTR_WIDTH, 146), 0);
        for (int i = 0; i < static_cast<int>(kItems.size()); ++i)
            ASSERT_EQ(InsertListItem(panel, ring, i, kItems[static_cast<size_t>(i)], i), 0);
        ASSERT_EQ(SetCtrlVal(panel, ring, 1), 0);
        ASSERT_EQ(SetCtrlAttribute(panel, ring, ATTR_CALLBACK_FUNCTION_POINTER, &RecordEvent), 0);
        ASSERT_EQ(DisplayPanel(panel), 0);
    }

    QListWidget* Open() {
        ui_testing::SendClick(panel, ring, 5, 5);
        auto* list = qobject_cast<QListWidget*>(QApplication::activePopupWidget());
        EXPECT_NE(list, nullptr) << "a click on the ring drops its list down";
        return list;
    }

    static void Press(QWidget* widget, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    static constexpr std::array<const char*, 3> kItems{"Adobe space", "Apple space", "CIE space"};
    int panel = 0, ring = 0;
};

TEST_F(RingListTest, DropsDownThePlainItemsWithTheCurrentOneSelected) {
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), static_cast<int>(kItems.size()));
    for (int i = 0; i < list->count(); ++i) {
        EXPECT_EQ(list->item(i)->text().toStdString(), kItems[static_cast<size_t>(i)]);
        EXPECT_FALSE(list->item(i)->flags() & Qt::ItemIsUserCheckable) << "no check box beside an item";
    }
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_GE(list->width(), 146) << "at least as wide as the ring";

    // A menu keeps a column for check marks left of its texts; a plain list starts them at
    // its frame and item margin.
    constexpr int kPlainIndent = 10;
    const QImage image = list->grab().toImage();
    int firstInk = image.width();
    const int rowHeight = list->sizeHintForRow(0);
    for (int y = list->frameWidth(); y < list->frameWidth() + rowHeight; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 0x60) {
                firstInk = std::min(firstInk, x);
                break;
            }
        }
    }
    EXPECT_LT(firstInk, kPlainIndent);
    list->close();
}

// Near the screen's foot the list opens upwards, whole and on the screen.
TEST_F(RingListTest, NearTheScreensFootTheListOpensUpwards) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_EQ(SetPanelAttribute(panel, ATTR_TOP, screen.bottom() - 70), 0);
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    const QRect shown = list->geometry();
    const int ringTop = list->parentWidget()->mapToGlobal(QPoint(0, 0)).y();
    EXPECT_LE(shown.bottom(), ringTop) << "above the ring";
    EXPECT_GE(shown.top(), screen.top());
    EXPECT_GE(shown.height(), static_cast<int>(kItems.size()) * list->sizeHintForRow(0))
        << "every item shows";
    list->close();
}

TEST_F(RingListTest, EnterChoosesTheItemAndSendsTheRingsEvents) {
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    Press(list, Qt::Key_Down);
    Press(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "the list closes";
    int value = -1;
    ASSERT_EQ(GetCtrlVal(panel, ring, &value), 0);
    EXPECT_EQ(value, 2);
    const std::vector<int> clickThenChoice{EVENT_LEFT_CLICK, EVENT_VAL_CHANGED, EVENT_COMMIT};
    EXPECT_EQ(g_events, clickThenChoice);
}

TEST_F(RingListTest, EscapeClosesTheListAndChangesNothing) {
    QListWidget* list = Open();
    ASSERT_NE(list, nullptr);
    Press(list, Qt::Key_Down);
    Press(list, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    int value = -1;
    ASSERT_EQ(GetCtrlVal(panel, ring, &value), 0);
    EXPECT_EQ(value, 1);
    EXPECT_EQ(g_events, std::vector<int>{EVENT_LEFT_CLICK});
}

TEST_F(RingListTest, AnIndicatorRingOpensNoList) {
    ASSERT_EQ(SetCtrlAttribute(panel, ring, ATTR_CTRL_MODE, VAL_INDICATOR), 0);
    ui_testing::SendClick(panel, ring, 5, 5);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(RingListTest, AClosedRingHasAFrameOnAllFourSides) {
    // White field on a white panel: only the frame tells where the ring ends.
    ASSERT_EQ(SetCtrlAttribute(panel, ring, ATTR_TEXT_BGCOLOR, 0xFFFFFF), 0);
    int left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(GetCtrlAttribute(panel, ring, ATTR_LEFT, &left), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, ring, ATTR_TOP, &top), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, ring, ATTR_WIDTH, &width), 0);
    ASSERT_EQ(GetCtrlAttribute(panel, ring, ATTR_HEIGHT, &height), 0);
    const ui_testing::PanelImage image = ui_testing::GrabPanel(panel);
    // Some column near each side of the ring, at its middle, is clearly darker than white.
    constexpr int kVisible = 0xC0;
    constexpr int kEdgeBand = 3;  // pixels from the control's edge the frame may lie in
    auto darkNear = [&](int x0, int y0, int dx, int dy) {
        for (int i = 0; i < kEdgeBand; ++i) {
            if (qGray(image.At(x0 + i * dx, y0 + i * dy)) < kVisible) return true;
        }
        return false;
    };
    const int midX = left + width / 3, midY = top + height / 2;
    EXPECT_TRUE(darkNear(left, midY, 1, 0)) << "left";
    EXPECT_TRUE(darkNear(left + width - 1, midY, -1, 0)) << "right";
    EXPECT_TRUE(darkNear(midX, top, 0, 1)) << "top";
    EXPECT_TRUE(darkNear(midX, top + height - 1, 0, -1)) << "bottom";
}

}  // namespace
