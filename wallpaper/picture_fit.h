// How a picture of w x h is scaled for a screen (or a window picture) of W x H: to cover it (then a
// centred cut-out of W x H is taken) or to fit inside it (then it is pasted centred on a background).
#pragma once

#include "imaging/image.h"

struct ScaledPlacement {
  int scaled_width = 0;   // the size the picture is resampled to
  int scaled_height = 0;
  Rect cut_out;           // the part of the scaled picture that is used, centred
};

// Fill mode: the scaled picture covers W x H; the cut-out is W x H.
ScaledPlacement CoverPlacement(int picture_width, int picture_height, int width, int height);

// Fit mode: the scaled picture lies inside W x H; the cut-out is the whole scaled picture.
ScaledPlacement FitPlacement(int picture_width, int picture_height, int width, int height);
