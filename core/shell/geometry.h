// Positions and sizes in the client area, in device-independent pixels, as the operations lay them out.
#pragma once

class Size {
 public:
  constexpr Size() = default;
  constexpr Size(int width, int height) : width_(width), height_(height) {}
  constexpr int width() const { return width_; }
  constexpr int height() const { return height_; }
  friend constexpr bool operator==(const Size&, const Size&) = default;

 private:
  int width_ = 0, height_ = 0;
};

// Left, top, width and height, as the window toolkits take them.
class Rect {
 public:
  constexpr Rect() = default;
  constexpr Rect(int left, int top, int width, int height)
      : left_(left), top_(top), width_(width), height_(height) {}
  constexpr int left() const { return left_; }
  constexpr int top() const { return top_; }
  constexpr int x() const { return left_; }
  constexpr int y() const { return top_; }
  constexpr int width() const { return width_; }
  constexpr int height() const { return height_; }
  constexpr Size size() const { return {width_, height_}; }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;

 private:
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};
