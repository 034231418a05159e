#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "fakes/fake_mover.h"
#include "mapwindow/mover_form.h"

namespace tessary {
namespace {

using fakes::EventLog;
using fakes::MoverFakes;

struct SizedPicture final : CanvasPicture {
    SizedPicture(std::string name, PixelSize size) : name(std::move(name)), size(size) {}
    PixelSize Size() const override { return size; }
    std::string name;
    PixelSize size;
};

// Every skin is there; a preview is 40 by 30 pixels.
struct NamedPictures final : MoverPictures {
    const CanvasPicture* Skin(std::string_view name) override {
        return &skins.try_emplace(std::string(name), std::string(name), PixelSize{10, 10}).first->second;
    }
    std::unique_ptr<CanvasPicture> ReadPreview(const std::string& path) override {
        return std::make_unique<SizedPicture>(path, PixelSize{40, 30});
    }
    std::map<std::string, SizedPicture, std::less<>> skins;
};

struct RecordingCanvas final : MoverCanvas {
    static std::string At(const LayoutRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.width) + "x" +
               std::to_string(r.height);
    }
    void Fill(const LayoutRect& place, Rgb) override { log.push_back("fill " + At(place)); }
    void DrawPicture(const CanvasPicture& picture, const LayoutRect& place) override {
        log.push_back(static_cast<const SizedPicture&>(picture).name + " " + At(place));
    }
    void WriteText(const LayoutRect& place, std::string_view text, Rgb) override {
        log.push_back(std::string(text) + " " + At(place));
    }
    void DrawBorder(const LayoutRect& place, Rgb, int) override { log.push_back("border " + At(place)); }
    EventLog log;
};

struct ListWithEvents : fakes::FakeFileList, FileListEvents {
    using FakeFileList::FakeFileList;
};

struct Form : MoverFakes {
    ListWithEvents list1{"game list", disk, log};
    ListWithEvents list2{"stored list", disk, log};
    NamedPictures pictures;
    int repaints = 0;
    MoverForm form{GameMapsPlace{gameMapsFolder, [] {}},
                   MoverWindowServices{screen, pointer, messages, files, shell, application},
                   window,
                   HostedList::Of(list1),
                   HostedList::Of(list2),
                   pictures,
                   [this] { ++repaints; }};
};

TEST(MoverForm, PaintsTheBackgroundThenTheControlsWithThePreviewInsideItsBorder) {
    Form f;
    f.form.Picture(MapControl::Preview).LoadPicture("/maps/Aspen.bmp");
    EXPECT_EQ(f.repaints, 1);
    RecordingCanvas canvas;
    f.form.Paint(canvas);
    ASSERT_GE(canvas.log.size(), 3u);
    EXPECT_EQ(canvas.log[0], "fill 0,0 627x402");
    EXPECT_EQ(canvas.log[1], "mover_background.bmp 0,0 627x402");
    const auto preview = std::find(canvas.log.begin(), canvas.log.end(), "/maps/Aspen.bmp 128,247 40x30");
    ASSERT_NE(preview, canvas.log.end());
    ASSERT_NE(preview + 1, canvas.log.end());
    EXPECT_EQ(*(preview + 1), "border 128,247 40x30");
}

TEST(MoverForm, HoldsTheMouseWhileAControlIsPressedAndClicksOnItsRelease) {
    Form f;
    f.disk.AddFolder(f.kStored);
    f.form.Load();
    f.ClearLog();
    f.form.Press(300, 180);  // the idle install face
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.front(), "hold mouse");
    f.ClearLog();
    const int repaints = f.repaints;
    f.form.Release(301, 181);
    ASSERT_FALSE(f.log.empty());
    EXPECT_EQ(f.log.front(), "let go of mouse");
    EXPECT_GT(f.repaints, repaints);  // its click switched the install faces

    f.ClearLog();
    f.form.Press(5, 120);  // the bare window
    EXPECT_EQ(f.log, (EventLog{"drag"}));
}

}  // namespace
}  // namespace tessary
