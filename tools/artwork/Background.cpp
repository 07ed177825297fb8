#include "tape/EditorLabels.h"
#include "tools/artwork/EditorLayout.h"
#include "tools/artwork/Pictures.h"

#include <cmath>
#include <numbers>
#include <string>

namespace velkor::artwork {

namespace {

namespace L = layout;

constexpr double cheekWidth = 12;
const Colour panelMetal = rgb(0xC9C5BC);
const Colour printInk = rgb(0x2E2C29);
const Colour bridgeInk = rgb(0xE9DFC6);

const TextStyle labelStyle{Weight::bold, 9, printInk, 1.2};

void paintPanel(cairo_t* cr) {
  const Rect panel{cheekWidth, 0, L::width - 2 * cheekWidth, L::height};
  cairo_rectangle(cr, panel.x, panel.y, panel.w, panel.h);
  fillBrushedMetal(cr, panel, panelMetal, 11);
  setLinear(cr, 0, 0, 0, 3, {{0, rgb(0xFFFFFF), 0.6}, {1, rgb(0xFFFFFF), 0}});
  cairo_rectangle(cr, panel.x, 0, panel.w, 3);
  cairo_fill(cr);
  setLinear(cr, 0, L::height - 3, 0, L::height, {{0, rgb(0x000000), 0}, {1, rgb(0x000000), 0.45}});
  cairo_rectangle(cr, panel.x, L::height - 3, panel.w, 3);
  cairo_fill(cr);
}

void paintCheeks(cairo_t* cr) {
  const Rect left{0, 0, cheekWidth, L::height};
  const Rect right{L::width - cheekWidth, 0, cheekWidth, L::height};
  fillWood(cr, left, 21);
  fillWood(cr, right, 22);
  // The metal face casts a thin shadow on each cheek and the cheek edge catches light.
  setLinear(cr, cheekWidth - 3, 0, cheekWidth, 0, {{0, rgb(0x000000), 0}, {1, rgb(0x000000), 0.55}});
  cairo_rectangle(cr, cheekWidth - 3, 0, 3, L::height);
  cairo_fill(cr);
  setLinear(cr, right.x, 0, right.x + 3, 0, {{0, rgb(0x000000), 0.55}, {1, rgb(0x000000), 0}});
  cairo_rectangle(cr, right.x, 0, 3, L::height);
  cairo_fill(cr);
  setColour(cr, rgb(0xFFFFFF), 0.12);
  cairo_rectangle(cr, 0, 0, 1, L::height);
  cairo_rectangle(cr, L::width - 1, 0, 1, L::height);
  cairo_fill(cr);
}

void paintScrew(cairo_t* cr, double x, double y, double slotAngle) {
  circle(cr, x, y + 0.6, 3.6);
  setColour(cr, rgb(0xFFFFFF), 0.35);
  cairo_fill(cr);
  circle(cr, x, y, 3.4);
  setRadial(cr, x - 1, y - 1.2, 0.3, x, y, 3.4, {{0, rgb(0xE4E2DC)}, {0.7, rgb(0x9A968E)}, {1, rgb(0x55524C)}});
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.9);
  setColour(cr, rgb(0x33312D));
  cairo_move_to(cr, x - 2.6 * std::cos(slotAngle), y - 2.6 * std::sin(slotAngle));
  cairo_line_to(cr, x + 2.6 * std::cos(slotAngle), y + 2.6 * std::sin(slotAngle));
  cairo_stroke(cr);
}

void engravedLine(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(0x000000), 0.28);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
  setColour(cr, rgb(0xFFFFFF), 0.55);
  const bool vertical = x0 == x1;
  cairo_move_to(cr, x0 + (vertical ? 1 : 0), y0 + (vertical ? 0 : 1));
  cairo_line_to(cr, x1 + (vertical ? 1 : 0), y1 + (vertical ? 0 : 1));
  cairo_stroke(cr);
}

// A dark plate set into the metal, with the panel's light lip along its lower edge.
void paintDarkRecess(cairo_t* cr, Rect r, double radius, Colour top, Colour bottom) {
  roundedRect(cr, r.inset(-1), radius + 1);
  setLinear(cr, 0, r.y, 0, r.bottom(), {{0, rgb(0x8A8680)}, {1, rgb(0xF2EFE8)}});
  cairo_fill(cr);
  roundedRect(cr, r, radius);
  setLinear(cr, 0, r.y, 0, r.bottom(), {{0, top}, {1, bottom}});
  cairo_fill(cr);
}

void paintMeterBridge(cairo_t* cr, const Lettering& lettering) {
  const Rect bridge{L::vuLeft.x - 6, L::vuLeft.y - 8, L::vuRight.right() - L::vuLeft.x + 12, 152};
  softShadow(cr, bridge.inset(-1), 7, 3, 0.25);
  paintDarkRecess(cr, bridge, 6, rgb(0x1A1918), rgb(0x2C2A28));

  for (const Rect& meter : {L::vuLeft, L::vuRight}) {
    softShadow(cr, meter.inset(1), 5, 4, 0.5);
  }
  const TextStyle bridgeLabel{Weight::bold, 9, bridgeInk, 2.0};
  lettering.draw(cr, "LEFT", L::vuLeft.centreX(), bridge.bottom() - 6, bridgeLabel, Align::centre);
  lettering.draw(cr, "RIGHT", L::vuRight.centreX(), bridge.bottom() - 6, bridgeLabel, Align::centre);
  for (const double x : {bridge.x + 10, bridge.right() - 10}) {
    circle(cr, x, bridge.bottom() - 9, 3);
    setRadial(cr, x - 0.8, bridge.bottom() - 10, 0.3, x, bridge.bottom() - 9, 3,
              {{0, rgb(0x8A8680)}, {1, rgb(0x242220)}});
    cairo_fill(cr);
    setColour(cr, rgb(0x0A0A0A));
    cairo_set_line_width(cr, 0.8);
    cairo_move_to(cr, x - 2, bridge.bottom() - 9);
    cairo_line_to(cr, x + 2, bridge.bottom() - 9);
    cairo_stroke(cr);
  }
}

// Knob frames turn their pointer through 270 degrees, from -135 at the bottom left.
void paintKnobScale(cairo_t* cr, const Lettering& lettering, const Rect& knob, std::string_view title) {
  const double cx = knob.centreX();
  const double cy = knob.centreY();
  lettering.engrave(cr, title, cx, knob.y - 8, labelStyle, Align::centre);
  const int steps = 12;
  for (int i = 0; i <= steps; ++i) {
    const double angle = (-135 + 270.0 * i / steps) * std::numbers::pi / 180;
    const bool major = i % 2 == 0;
    const double inner = 38;
    const double outer = major ? 44 : 41.5;
    const double dx = std::sin(angle);
    const double dy = -std::cos(angle);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, major ? 1.6 : 1.0);
    setColour(cr, printInk);
    cairo_move_to(cr, cx + dx * inner, cy + dy * inner);
    cairo_line_to(cr, cx + dx * outer, cy + dy * outer);
    cairo_stroke(cr);
    if (major) {
      const int db = -18 + 3 * i;
      const std::string text = db == 0 ? "0" : (db < 0 ? "\u2212" : "+") + std::to_string(std::abs(db));
      const TextStyle numberStyle{Weight::regular, 8.5, printInk};
      // Side numbers sit further out so their width clears the tick.
      const double r = 50 + lettering.width(cr, text, numberStyle) / 2 * std::abs(dx);
      lettering.draw(cr, text, cx + dx * r, cy + dy * r + 3, numberStyle, Align::centre);
    }
  }
}

void paintValueWindow(cairo_t* cr, const Rect& value) {
  insetWindow(cr, {value.x + 10, value.y + 1, value.w - 20, value.h - 1}, 3, rgb(0xF3EFE4));
}

void paintButtonSeat(cairo_t* cr, const Rect& button) {
  const double cx = button.centreX();
  const double cy = button.centreY();
  circle(cr, cx, cy + 0.8, 22.6);
  setColour(cr, rgb(0xFFFFFF), 0.5);
  cairo_fill(cr);
  circle(cr, cx, cy, 22.4);
  setLinear(cr, 0, cy - 22, 0, cy + 22, {{0, rgb(0x55524C)}, {1, rgb(0x8E8A82)}});
  cairo_fill(cr);
  circle(cr, cx, cy, 21);
  setColour(cr, rgb(0x2A2826));
  cairo_fill(cr);
}

// The arrow says the window opens a menu, so it lies inside the control,
// where a click opens it; a narrow selector's centred text leaves room for it
// a pixel nearer the edge.
constexpr double narrowSelectorWidth = 60;

void paintSelector(cairo_t* cr, const Rect& r) {
  const bool narrow = r.w < narrowSelectorWidth;
  insetWindow(cr, r, 2.5, rgb(0xF4F1E8));
  const double ax = narrow ? r.right() - 6 : r.right() - 7;
  const double ay = r.centreY() + 1.5;
  cairo_move_to(cr, ax - 3.5, ay - 2.5);
  cairo_line_to(cr, ax + 3.5, ay - 2.5);
  cairo_line_to(cr, ax, ay + 1.8);
  cairo_close_path(cr);
  setColour(cr, rgb(0x5A5650));
  cairo_fill(cr);
}

void paintMachineWindow(cairo_t* cr) {
  const Rect bezel = L::machine.inset(-5);
  softShadow(cr, bezel, 6, 3, 0.2);
  paintDarkRecess(cr, bezel, 5, rgb(0x141312), rgb(0x2C2A28));
}

void paintControlLabels(cairo_t* cr, const Lettering& lettering) {
  const double labelX = L::buttonAutoGain.right() + 10;
  auto besideButton = [&](const Rect& button, std::string_view text) {
    lettering.engrave(cr, text, labelX, button.centreY() + 3.5, labelStyle);
  };
  besideButton(L::buttonAutoGain, EditorLabelText::kAutoGain);
  besideButton(L::buttonOutComp, EditorLabelText::kOutComp);
  besideButton(L::buttonHiss, EditorLabelText::kHiss);
  lettering.engrave(cr, EditorLabelText::kLevel, labelX, L::selectAutoGainLevel.centreY() + 3.5, labelStyle);
  lettering.engrave(cr, EditorLabelText::kLevel, labelX, L::selectHissLevel.centreY() + 3.5, labelStyle);
  lettering.engrave(cr, EditorLabelText::kBias, L::selectBias.x - 8, L::selectBias.centreY() + 3.5, labelStyle,
                    Align::right);

  const double columnX = L::machine.x;
  lettering.engrave(cr, EditorLabelText::kBypass, L::buttonBypass.right() + 10, L::buttonBypass.centreY() + 3.5,
                    labelStyle);
  lettering.engrave(cr, EditorLabelText::kGroup, columnX, L::selectGroup.centreY() + 3.5, labelStyle);
  lettering.engrave(cr, EditorLabelText::kDeck, columnX, L::selectDeck.centreY() + 3.5, labelStyle);
}

// Ties each level selector to its switch with a printed bracket.
void paintLinks(cairo_t* cr) {
  cairo_set_line_width(cr, 1);
  setColour(cr, printInk, 0.55);
  for (const auto& [button, level] : {std::pair{L::buttonAutoGain, L::selectAutoGainLevel},
                                      std::pair{L::buttonHiss, L::selectHissLevel}}) {
    const double x = button.centreX() + 0.5;
    cairo_move_to(cr, x, button.bottom() + 3);
    cairo_line_to(cr, x, level.centreY() + 0.5);
    cairo_line_to(cr, button.right() + 5, level.centreY() + 0.5);
    cairo_stroke(cr);
  }
}

void paintModelPlate(cairo_t* cr, const Lettering& lettering) {
  const Rect plate{40, 380, 244, 40};
  paintDarkRecess(cr, plate, 4, rgb(0x2C2A28), rgb(0x161514));
  setColour(cr, rgb(0xFFFFFF), 0.08);
  cairo_rectangle(cr, plate.x + 4, plate.y + 1, plate.w - 8, 1);
  cairo_fill(cr);
  lettering.draw(cr, "STEREO TAPE MACHINE", plate.centreX(), plate.y + 18, {Weight::bold, 11, bridgeInk, 2.6},
                 Align::centre);
  lettering.draw(cr, "TWO TRACK  \u00B7  \u00BC INCH  \u00B7  15 / 30 IPS", plate.centreX(), plate.y + 31,
                 {Weight::regular, 7.5, rgb(0xB8AE96), 1.2}, Align::centre);
  for (const double x : {plate.x + 9, plate.right() - 9}) {
    circle(cr, x, plate.centreY(), 2.6);
    setRadial(cr, x - 0.7, plate.centreY() - 0.8, 0.3, x, plate.centreY(), 2.6,
              {{0, rgb(0x9A968E)}, {1, rgb(0x2A2826)}});
    cairo_fill(cr);
  }
}

void paintNameplates(cairo_t* cr, const Lettering& lettering) {
  const double x = L::machine.x;
  lettering.engrave(cr, "Velkor", x, 28, {Weight::bold, 22, rgb(0x26241F)});
  const double w = lettering.width(cr, "Velkor", {Weight::bold, 22, rgb(0x26241F)});
  lettering.engrave(cr, "Tape", x + w + 1, 28, {Weight::regular, 22, rgb(0x8E2A1C)});

  const Rect plate{L::machine.centreX() - 42, L::machine.bottom() + 12, 84, 18};
  paintDarkRecess(cr, plate, 3, rgb(0x2A2826), rgb(0x141312));
  lettering.draw(cr, "VELKOR", plate.centreX(), plate.bottom() - 5, {Weight::bold, 10, bridgeInk, 3.0},
                 Align::centre);
}

}  // namespace

Surface drawBackground(const Lettering& lettering, int scale) {
  Surface picture = makeImage(static_cast<int>(L::width), static_cast<int>(L::height), scale);
  Context context = makeContext(picture);
  cairo_t* cr = context.get();

  paintPanel(cr);
  paintCheeks(cr);
  paintScrew(cr, L::width - cheekWidth - 7, 10, 0.6);
  paintScrew(cr, cheekWidth + 7, L::height - 10, 2.1);
  paintScrew(cr, L::width - cheekWidth - 7, L::height - 10, 1.2);
  paintMeterBridge(cr, lettering);
  engravedLine(cr, 322.5, 178, 322.5, 440);
  engravedLine(cr, 541.5, 8, 541.5, 440);
  engravedLine(cr, L::machine.x, 165.5, L::machine.right() + 12, 165.5);

  paintKnobScale(cr, lettering, L::knobInput, EditorLabelText::kInput);
  paintKnobScale(cr, lettering, L::knobOutput, EditorLabelText::kOutput);
  paintValueWindow(cr, L::valueInput);
  paintValueWindow(cr, L::valueOutput);

  for (const Rect& button : {L::buttonAutoGain, L::buttonOutComp, L::buttonHiss, L::buttonBypass}) {
    paintButtonSeat(cr, button);
  }
  for (const Rect& selector : {L::selectAutoGainLevel, L::selectBias, L::selectGroup, L::selectDeck,
                               L::selectHissLevel}) {
    paintSelector(cr, selector);
  }
  paintLinks(cr);
  paintControlLabels(cr, lettering);
  paintMachineWindow(cr);
  paintNameplates(cr, lettering);
  paintModelPlate(cr, lettering);
  return picture;
}

}  // namespace velkor::artwork
