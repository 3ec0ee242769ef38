#pragma once
// A picture drawn into a raster canvas and kept with what it was drawn from,
// so that a paint whose drawing has the same inputs shows the kept picture
// instead of drawing it again.

#include <QImage>

#include <optional>
#include <utility>

#include "platform/core/canvas.h"
#include "platform/qt/qt_canvas.h"

template <class Inputs>
class TKeptPicture {
public:
    // Runs `draw` on `canvas` unless `inputs` and the canvas's state (pen,
    // brush, font, pen position) are those the kept picture was drawn from
    // and the canvas has its size and ratio: then the canvas shows the kept
    // picture and takes the state that drawing left.  `draw` paints the whole
    // picture: what it draws may not depend on the pixels there before, only
    // on `inputs` and the canvas's state.
    template <class Draw>
    void Show(rtl::RasterCanvas& canvas, const Inputs& inputs, Draw&& draw) {
        const rtl::CanvasState start = canvas.State();
        if (kept_ && kept_->inputs == inputs && kept_->start == start &&
            canvas.TakePicture(kept_->picture)) {
            canvas.SetState(kept_->end);
            return;
        }
        kept_.reset();
        std::forward<Draw>(draw)();
        kept_ = Kept{inputs, start, canvas.State(), canvas.Image()};
    }

private:
    struct Kept {
        Inputs inputs;
        rtl::CanvasState start;
        rtl::CanvasState end;
        QImage picture;
    };
    std::optional<Kept> kept_;
};
