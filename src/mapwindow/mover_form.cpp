#include "mapwindow/mover_form.h"

#include <utility>

#include "platform/screen.h"

namespace tessary {

MoverForm::MoverForm(GameMapsPlace game, const MoverWindowServices& services, MoverWindow& window,
                     HostedList file1, HostedList file2, MoverPictures& pictures,
                     std::function<void()> changed)
    : window_(window),
      scale_{services.screen.TwipsPerPixelX(), services.screen.TwipsPerPixelY()},
      background_(pictures.Skin(kMoverBackgroundPicture)) {
    const auto& table = MoverControlTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const ControlRow& control = table[row];
        if (control.kind == ControlKind::PictureArea) {
            const CanvasPicture* skin = control.picture.empty() ? nullptr : pictures.Skin(control.picture);
            images_.at(ImageNumber(control.name)) =
                std::make_unique<LayoutPictureArea>(state_, row, skin, pictures, changed);
        } else if (control.kind == ControlKind::Label) {
            label1_ = std::make_unique<LayoutLabel>(state_, row, changed);
        }
    }
    std::array<PictureArea*, kImageSlotCount> images{};
    for (std::size_t k = 1; k < images.size(); ++k) images[k] = images_[k].get();
    mover_ = std::make_unique<Mover>(std::move(game), MoverControls{file1.list, file2.list, images, *label1_},
                                     services.For(window));
    file1.events.onClick = [this] { mover_->File1_Click(); };
    file2.events.onClick = [this] { mover_->File2_Click(); };
    file2.events.onLostFocus = [this] { mover_->File2_LostFocus(); };
}

LayoutRect MoverForm::Place(std::string_view name) const {
    return state_.RowPixels(*MoverControlIndex(name), scale_);
}

void MoverForm::Press(int x, int y) {
    const MoverHit hit = clicks_.Press(state_, x, y, scale_);
    if (hit.target == MoverHit::Target::Control) window_.HoldMouse();
    MoverClicks::MouseDown(*mover_, hit);
}

void MoverForm::Release(int x, int y) {
    // The press is taken out first: letting go of the mouse may report it as
    // taken away.
    MoverClicks press = std::exchange(clicks_, MoverClicks{});
    window_.LetGoOfMouse();
    press.Release(*mover_, state_, x, y, scale_);
}

void MoverForm::Paint(MoverCanvas& canvas) const {
    const PixelSize client = ClientPixels();
    const LayoutRect whole{0, 0, client.width, client.height};
    for (const PaintStep& step : PaintOrder(state_)) {
        switch (step.layer) {
        case PaintStep::Layer::BackColour: canvas.Fill(whole, kMoverBackColour); break;
        case PaintStep::Layer::BackgroundPicture:
            if (background_ != nullptr) canvas.DrawPicture(*background_, whole);
            break;
        case PaintStep::Layer::Control: PaintControl(canvas, step.row); break;
        case PaintStep::Layer::ChildList: break;  // the lists paint themselves
        }
    }
}

void MoverForm::PaintControl(MoverCanvas& canvas, std::size_t row) const {
    const ControlRow& control = MoverControlTable()[row];
    const LayoutRect place = state_.RowPixels(row, scale_);
    if (control.kind == ControlKind::Label) {
        canvas.WriteText(place, kLabel1Caption, kLabel1TextColour);
        return;
    }
    if (control.kind != ControlKind::PictureArea) return;
    if (const CanvasPicture* picture = images_.at(ImageNumber(control.name))->Picture())
        canvas.DrawPicture(*picture, place);
    if (control.name == "Image1") canvas.DrawBorder(place, kImage1BorderColour, kImage1BorderWidth);
}

}  // namespace tessary
