#include "mapwindow/mover_form.h"

#include <utility>

#include "platform/screen.h"

namespace tessary {

MoverForm::MoverForm(GameMapsPlace game, const MoverWindowServices& services, MoverWindow& window,
                     HostedList gameList, HostedList storedList, MoverPictures& pictures,
                     std::function<void()> changed)
    : window_(window),
      scale_{services.screen.TwipsPerPixelX(), services.screen.TwipsPerPixelY()},
      background_(pictures.Skin(kMoverBackgroundPicture)) {
    std::array<PictureArea*, kMoverControlCount> areas{};
    for (const ControlRow& row : MoverControlTable()) {
        if (row.kind == ControlKind::PictureArea) {
            const CanvasPicture* skin = row.picture.empty() ? nullptr : pictures.Skin(row.picture);
            auto& area = pictures_[Row(row.control)];
            area = std::make_unique<LayoutPictureArea>(state_, row.control, skin, pictures, changed);
            areas[Row(row.control)] = area.get();
        } else if (row.kind == ControlKind::Label) {
            noPictureLabel_ = std::make_unique<LayoutLabel>(state_, row.control, changed);
        }
    }
    mover_ = std::make_unique<Mover>(std::move(game),
                                     MoverControls{gameList.list, storedList.list, *noPictureLabel_, areas},
                                     window, services);
    gameList.events.onClick = [this] { mover_->ChooseGameMap(); };
    storedList.events.onClick = [this] { mover_->ChooseStoredMap(); };
    storedList.events.onLostFocus = [this] { mover_->ForgetStoredMap(); };
    gameList.events.onActivate = [this] { mover_->StoreHighlightedMap(); };
    storedList.events.onActivate = [this] { mover_->InstallHighlightedMap(); };
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
        case PaintStep::Layer::Control: PaintControl(canvas, step.control); break;
        case PaintStep::Layer::ChildList: break;  // the lists paint themselves
        }
    }
}

void MoverForm::PaintControl(MoverCanvas& canvas, MapControl control) const {
    const ControlKind kind = MoverControl(control).kind;
    const LayoutRect place = state_.Pixels(control, scale_);
    if (kind == ControlKind::Label) {
        canvas.WriteText(place, kNoPictureCaption, kNoPictureTextColour);
        return;
    }
    if (kind != ControlKind::PictureArea) return;
    if (const CanvasPicture* picture = pictures_[Row(control)]->Picture())
        canvas.DrawPicture(*picture, place);
    if (control == MapControl::Preview) canvas.DrawBorder(place, kPreviewBorderColour, kPreviewBorderWidth);
}

}  // namespace tessary
