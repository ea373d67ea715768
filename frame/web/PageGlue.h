#pragma once
// The page's side of the browser back end, in page_glue.js: the windows'
// canvases and their places, the page's size and fullscreen, the pictures
// the page decoded before the program started, and what the page is told.
// Places and sizes on the page are in its device pixels.
#include <cstdint>

extern "C" {
void orbitrove_page_size(int* widthAndHeight);
void orbitrove_page_cover(bool shown);
void orbitrove_page_request_fullscreen();
void orbitrove_page_exit_fullscreen();
bool orbitrove_page_fullscreen();
void orbitrove_page_open(const char* address);
void orbitrove_page_ended(int status);

void orbitrove_canvas_create(int id, int width, int height, bool tooltip);
void orbitrove_canvas_destroy(int id);
void orbitrove_canvas_place(int id, int x, int y, int width, int height, int layer);
void orbitrove_canvas_show(int id, bool shown);
// Copies `width` x `height` RGBA pixels to the canvas's (x, y).
void orbitrove_canvas_put(int id, int x, int y, int width, int height, const std::uint8_t* rgba);
void orbitrove_canvas_cursor(int id, bool hand);
void orbitrove_canvas_label(int id, const char* label);

// 0 when the page decoded the picture (its size written), 1 when the file
// could not be had, 2 when the browser could not decode it.
int orbitrove_picture_size(const char* path, int* widthAndHeight);
// The decoded picture's pixels as 0x00RRGGBB, rows top to bottom.
void orbitrove_picture_copy(const char* path, std::uint32_t* pixels);
}
