// Pixel operations on 24-bit buffers: resampling, rectangles, adjustments and filters. Every
// operation accepts any input: an empty or inconsistent picture gives an empty result, no change
// or false, never a crash.
#pragma once

#include "imaging/image.h"

// Scales to new_width x new_height. Each direction on its own: where it shrinks, every new pixel
// is the exact area average of the source pixels it covers; where it grows, Catmull-Rom cubic
// interpolation; where the size stays, the pixels are copied. Empty when the new size is not
// allowed (PictureSizeAllowed) or source is empty.
RgbImage Resample(const RgbImage& source, int new_width, int new_height);

// The part inside cut_out (clipped to the scaled picture) of source scaled to scaled_width x
// scaled_height: the pixels of CopyRectangle(Resample(source, scaled_width, scaled_height), cut_out),
// with only the cut-out computed and held. Empty when the scaled size is not allowed, source is empty
// or nothing of cut_out lies inside the scaled picture.
RgbImage ResampleCutOut(const RgbImage& source, int scaled_width, int scaled_height, const Rect& cut_out);

// The part of source inside rect (clipped to the picture); empty when nothing of it is inside.
RgbImage CopyRectangle(const RgbImage& source, const Rect& rect);

// Fills rect (clipped to the picture) with colour.
void FillRectangle(RgbImage& image, const Rect& rect, Colorref colour);

// Copies source onto destination with its top-left corner at (left, top), fully opaque, clipped at
// every edge of destination (left and top may be negative).
void Paste(RgbImage& destination, const RgbImage& source, int left, int top);

// Brightness multiplies every byte by 1 + brightness: -1 gives black, 0 leaves the picture
// unchanged, 0.2 makes it 20 % brighter. Contrast then stretches the bytes away from mid-grey
// (127.5) by the factor (1 + contrast) / (1 - contrast): 0 leaves them, 0.5 triples the distances,
// -0.5 divides them by three. Brightness is limited to -1 ... 255 and contrast to -0.99 ... 0.99;
// NaN counts as 0. Results are cut to 0 ... 255.
void AdjustBrightnessContrast(RgbImage& image, double brightness, double contrast);

// Gamma correction: output = 255 * (input / 255) ^ (1 / gamma); gamma 1.0 leaves the picture as it
// is, larger values brighten, smaller darken. 0 and 255 always stay. A gamma at or below zero is
// taken as the smallest positive gamma: every byte below 255 becomes 0. NaN leaves the picture.
void ApplyGamma(RgbImage& image, double gamma);

// Unsharp masking into destination, which is replaced by a picture of the source's size (it may be
// the source itself). The picture is blurred with a Gaussian over a neighbourhood of option x option
// pixels (odd, 3 ... 15) whose standard deviation is factor * (option - 1) / 2 pixels (0 < factor
// <= 100); each byte then moves away from its blurred value by strength percent of the difference
// (0 ... 1000), unless the difference is smaller than threshold levels (0 ... 255), which keeps
// noise and smooth areas as they are. The wallpaper presets (150, 0.4), (50, 1.0) and (200, 0.2)
// with threshold 2 and option 7 are a medium, a wide-and-gentle and a fine-and-crisp sharpening.
// False on bad parameters or an empty source; destination is then untouched.
bool Sharpen(const RgbImage& source, RgbImage& destination, int strength, double factor, double threshold,
             int option);

// Softening into destination, replaced as by Sharpen: a Gaussian blur over option x option pixels
// (odd, 3 ... 15) with standard deviation (option - 1) / 4 pixels, mixed into the picture by
// strength percent (0 ... 100; 100 is the blurred picture). False on bad parameters or an empty
// source; destination is then untouched.
bool Soften(const RgbImage& source, RgbImage& destination, int strength, int option);
