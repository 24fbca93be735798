// The ground each text is drawn on, read from the pixels: a run's drawing
// operations other than text are rendered in order onto one picture, and just
// before a text is drawn the palette colour that fills most of its cell there
// is its ground. Texts are left out of the picture so that a text drawn again
// over its own ink, or over another text, still finds the ground beneath.
#pragma once

#include <functional>
#include <vector>

#include "framework/platform/draw_op.h"
#include "framework/platform/headless_platform.h"
#include "support/picture.h"

namespace lesson::testing {

// The palette colour covering most of the text's cell in the picture (ties go
// to the lower number), or -1 when no pixel of the cell is exactly a palette
// colour. The cell is the one trace.h hides texts by: size x fx wide per
// full-width character, half that per half-width one, size x fy high, clipped
// to the canvas.
int groundUnder(const Picture& picture, const DrawOp& text);

// A text a pupil reads and the ground it was drawn on. `keys` is how many
// keys had been handed over when it was drawn.
struct TextOnGround {
  const DrawOp& text;
  int ground;
  int keys;
};

// Calls `seen` for every text among the events that puts ink on a ground:
// texts of blanks only and texts drawn in their ground's own colour (erases)
// are left out.
void forEachTextOnGround(const std::vector<HeadlessPlatform::Event>& events,
                         const std::function<void(const TextOnGround&)>& seen);

}  // namespace lesson::testing
