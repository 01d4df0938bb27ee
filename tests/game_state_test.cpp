#include "core/game_state.h"

#include <gtest/gtest.h>

TEST(GameState, StartsInTheMenuWithTheDocumentedValues)
{
    const GameState s;
    EXPECT_EQ(s.state, StateMenu);
    EXPECT_EQ(s.manualRodSelection, 0);
    EXPECT_LT(s.nextSeed, 0);
    EXPECT_EQ(s.menuSelection, 0);
    EXPECT_FALSE(s.sceneReady);
    EXPECT_TRUE(s.useDisplayLists);
    EXPECT_TRUE(s.mipmapsOn);
    EXPECT_TRUE(s.trilinearOn);
    EXPECT_EQ(s.polygonFill, 1);
    EXPECT_EQ(s.fullScreen, 0);
    EXPECT_FALSE(s.showHelp || s.showFrameRate || s.showMipmapNotice || s.showDisplayListNotice
                 || s.showFilterNotice);
    EXPECT_EQ(s.fps, 0.0f);
    EXPECT_EQ(s.cameraMode, CameraIntro);
    EXPECT_EQ(s.eye[1], 800.0);
    EXPECT_EQ(s.eye[2], 1.0);
    EXPECT_EQ(s.center[1], 150.0);
    EXPECT_EQ(s.center[2], -250.0);
    EXPECT_EQ(s.up[1], 1.0);
    EXPECT_EQ(s.viewPitch, 10.0f);
    EXPECT_EQ(s.viewYaw, 0.0f);
    EXPECT_EQ(s.dragMode, -1);
}

TEST(GameState, LayoutsMirrorEachOtherAndGroupFiguresByRod)
{
    const int rodSizes[4] = {1, 2, 5, 3};
    int index = 0;
    for (int rod = 0; rod < 4; ++rod) {
        float previousZ = -1000.0f;
        for (int k = 0; k < rodSizes[rod]; ++k, ++index) {
            const LayoutEntry& a = layoutTeam1[index];
            const LayoutEntry& b = layoutTeam2[index];
            EXPECT_EQ(a.rod, rod) << index;
            EXPECT_EQ(b.rod, rod) << index;
            EXPECT_EQ(b.x, -a.x) << index;
            EXPECT_EQ(b.z, a.z) << index;
            EXPECT_EQ(a.y, 2);
            EXPECT_GT(a.z, previousZ) << "figures of a rod rise in z";
            previousZ = static_cast<float>(a.z);
            // Every figure of a rod stands at the same x.
            EXPECT_EQ(a.x, layoutTeam1[index - k].x);
        }
    }
    EXPECT_EQ(index, figuresPerTeam);
    const int rodX[4] = {-210, -150, -30, 90};
    EXPECT_EQ(layoutTeam1[0].x, rodX[0]);
    EXPECT_EQ(layoutTeam1[1].x, rodX[1]);
    EXPECT_EQ(layoutTeam1[3].x, rodX[2]);
    EXPECT_EQ(layoutTeam1[8].x, rodX[3]);
    EXPECT_EQ(layoutTeam1[3].z, -96);
    EXPECT_EQ(layoutTeam1[7].z, 96);
    EXPECT_EQ(layoutTeam1[8].z, -72);
    EXPECT_EQ(layoutTeam1[1].z, -28);
}
