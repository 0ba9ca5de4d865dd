/* The bare PNG decode of the wallpaper benchmark (bench/run.sh): reads a PNG file with libpng, asking
 * for the same 8-bit RGB rows as Quellmoor's PNG reader (palettes and low bit depths expanded, 16-bit
 * samples scaled, grey to RGB, transparency over black), and throws every row away, as djpeg does
 * into /dev/null. Exit code 0 when the whole picture was decoded.
 *
 *   png-decode FILE.png
 */
#include <png.h>
#include <setjmp.h>
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: png-decode FILE.png\n");
    return 2;
  }
  FILE* file = fopen(argv[1], "rb");
  if (file == NULL) {
    perror(argv[1]);
    return 1;
  }
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, NULL, NULL, NULL);
  png_infop info = png ? png_create_info_struct(png) : NULL;
  png_bytep row = NULL;
  if (info == NULL || setjmp(png_jmpbuf(png))) {
    fprintf(stderr, "png-decode: cannot decode %s\n", argv[1]);
    png_destroy_read_struct(&png, &info, NULL);
    free(row);
    fclose(file);
    return 1;
  }
  png_init_io(png, file);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_scale_16(png);
  png_set_gray_to_rgb(png);
  if ((png_get_color_type(png, info) & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS)) {
    png_color_16 black = {0};
    png_set_background_fixed(png, &black, PNG_BACKGROUND_GAMMA_SCREEN, 0, PNG_FP_1);
  }
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  row = malloc(png_get_rowbytes(png, info));
  if (row == NULL) png_error(png, "out of memory");
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, row, NULL);
  }
  png_read_end(png, NULL);
  png_destroy_read_struct(&png, &info, NULL);
  free(row);
  fclose(file);
  return 0;
}
