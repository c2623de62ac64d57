#include "optionpair.h"

#include <gtest/gtest.h>

#include <vector>

namespace brisolant {
namespace {

// Records each Click with the pair's state as the Click saw it.
struct Recorder {
    struct Click {
        OptionSlot slot;
        bool upper;
        bool lower;
    };
    std::vector<Click> clicks;
    int changes = 0;

    void attach(OptionPair& pair) {
        pair.setClickHandler([this, &pair](OptionSlot slot) {
            clicks.push_back({slot, pair.value(OptionSlot::Upper), pair.value(OptionSlot::Lower)});
        });
        pair.setChangeObserver([this] { ++changes; });
    }
};

TEST(OptionPair, SelectingOneDeselectsThePartnerBeforeItsClickRuns) {
    OptionPair pair;
    Recorder recorder;
    recorder.attach(pair);

    pair.setValue(OptionSlot::Upper, true);
    pair.setValue(OptionSlot::Lower, true);

    ASSERT_EQ(recorder.clicks.size(), 2U);
    EXPECT_EQ(recorder.clicks[1].slot, OptionSlot::Lower);
    EXPECT_FALSE(recorder.clicks[1].upper); // the partner is already False
    EXPECT_TRUE(recorder.clicks[1].lower);
    EXPECT_FALSE(pair.value(OptionSlot::Upper));
}

TEST(OptionPair, SettingFalseChangesOnlyThatPositionAndRaisesNothing) {
    OptionPair pair;
    pair.setValue(OptionSlot::Lower, true);
    Recorder recorder;
    recorder.attach(pair);

    pair.setValue(OptionSlot::Lower, false);

    EXPECT_FALSE(pair.value(OptionSlot::Upper));
    EXPECT_FALSE(pair.value(OptionSlot::Lower));
    EXPECT_TRUE(recorder.clicks.empty());
    EXPECT_EQ(recorder.changes, 1);

    // Leaving the both-False state raises the Click of the selected position.
    pair.setValue(OptionSlot::Upper, true);
    ASSERT_EQ(recorder.clicks.size(), 1U);
    EXPECT_EQ(recorder.clicks[0].slot, OptionSlot::Upper);
}

TEST(OptionPair, NoChangeRaisesNothing) {
    OptionPair pair;
    pair.setValue(OptionSlot::Upper, true);
    Recorder recorder;
    recorder.attach(pair);

    pair.setValue(OptionSlot::Upper, true);
    pair.setValue(OptionSlot::Lower, false);

    EXPECT_TRUE(recorder.clicks.empty());
    EXPECT_EQ(recorder.changes, 0);
}

TEST(OptionPair, ClickRunsNestedInsideTheAssignment) {
    OptionPair pair;
    bool insideAssignment = false;
    bool clickSawInside = false;
    pair.setClickHandler([&](OptionSlot) { clickSawInside = insideAssignment; });

    insideAssignment = true;
    pair.setValue(OptionSlot::Lower, true);
    insideAssignment = false;

    EXPECT_TRUE(clickSawInside);
}

TEST(OptionPair, AnErrorInTheClickLeavesTheNewStateInPlace) {
    OptionPair pair;
    pair.setValue(OptionSlot::Upper, true);
    pair.setClickHandler([](OptionSlot) { throw std::runtime_error("click failed"); });

    EXPECT_THROW(pair.setValue(OptionSlot::Lower, true), std::runtime_error);
    EXPECT_TRUE(pair.value(OptionSlot::Lower));
    EXPECT_FALSE(pair.value(OptionSlot::Upper));
}

} // namespace
} // namespace brisolant
