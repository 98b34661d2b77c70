// Pictures of the wind display, loaded from the resources compiled into the program.
//
// Resource layout (resources/aerolume_wind.qrc, written by tools/aerolume_draw):
//   :/bitmap/<NAME>        bitmaps, by name or number: ":/bitmap/135" (the compass ring),
//                          ":/bitmap/ARROW.BMP"
//   :/typed/<TYPE>/<NAME>  resources of a named type: ":/typed/PNG/RJTT.PNG"
//   :/bitmap@2x/<NAME>, :/typed@2x/<TYPE>/<NAME>  the same pictures drawn at twice the
//                          pixels, for screens of twice the density
//   :/icon/128             the 32 x 32 program icon; :/icons/aerolume-<size>.png all sizes
//   :/diagrams/designators.csv  where each diagram's designators are (designator_boxes.hpp)
// Names and types compare without regard to case, so "rjtt.png" finds "RJTT.PNG".
#pragma once

#include <QImage>
#include <string_view>

namespace aerolume {

class MessageSink;

// The picture of that name and type ("BITMAP" for a bitmap) drawn at twice the pixels,
// its device pixel ratio 2; empty when there is none, and then the caller falls back
// to the picture of ordinary density, reporting through it what is missing.
QImage LoadDoubleDensityImage(std::string_view name, std::string_view type);

// Registers the pictures compiled into the wind library. Loading through CMyCImage
// does it on its own; call it before reading the resources by path.
void InitWindResources();

}  // namespace aerolume

class CMyCImage {
 public:
  // Failures of LoadResourceImage are reported to messages, which must outlive the image.
  explicit CMyCImage(aerolume::MessageSink& messages) : m_messages(&messages) {}

  // The type "BITMAP" (exactly) loads a bitmap silently: a missing one leaves the image
  // empty. Any other type reads the named resource of that type and decodes it,
  // reporting each failure in a Japanese message and keeping the previous image.
  void LoadResourceImage(std::string_view name, std::string_view type);

  // The bitmap path alone: the image afterwards holds the bitmap, or nothing.
  void LoadFromResource(std::string_view name);
  void LoadFromResource(int id);

  bool IsNull() const { return m_image.isNull(); }
  int GetWidth() const { return m_image.width(); }
  int GetHeight() const { return m_image.height(); }
  const QImage& Image() const { return m_image; }

 private:
  void LoadStream(std::string_view name, std::string_view type);
  void Fail(const char* message);

  aerolume::MessageSink* m_messages;
  QImage m_image;
};
