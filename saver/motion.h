#pragma once

#include <cstdint>
#include <functional>
#include <span>

#include "common/random_source.h"

namespace sovelin {

// How the verse window drifts: its steps per move, the position worked out for the next
// move and the corner zones. Positions and steps are twips and kept in 32 bits, so a screen
// wider than 16-bit twips still moves correctly.
struct MotionState {
  int32_t gDeltaX = 0;  // horizontal step per move; positive moves right
  int32_t gDeltaY = 0;  // vertical step per move; positive moves down
  int32_t gNewLeft = 0;
  int32_t gNewTop = 0;
  int32_t gZoneX = 0;  // one sixth of the saver window's client width
  int32_t gZoneY = 0;  // one sixth of the saver window's client height
  int16_t gSpeed = 0;  // setting Speed, 0 slowest to 4 fastest
};

// The verse window's rectangle in twips, as it stands before this move.
struct VerseBox {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// A monitor's rectangle in twips, in the coordinates of the verse window's position.
struct MonitorBox {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// What the motion looks at: the verse window, the saver window's client size in twips and the
// monitors. Without monitors, one screen of ScaleWidth x ScaleHeight at 0,0 and the corner
// zones of MotionState. With monitors, the verse window roams their union: where they leave a
// gap no monitor shows, that gap is a wall; the corner zones are a sixth of the monitor the
// window is on (the one it overlaps most).
struct MotionArea {
  MotionArea(const VerseBox& box, int32_t width, int32_t height,
             std::span<const MonitorBox> screens = {})
      : verse(box), ScaleWidth(width), ScaleHeight(height), monitors(screens) {}

  VerseBox verse;
  int32_t ScaleWidth = 0;
  int32_t ScaleHeight = 0;
  std::span<const MonitorBox> monitors;
};

// One step of the background design; every bounce runs it first.
using DrawDesignStep = std::function<void()>;

// Sets the corner zones to a sixth of the client size, halves rounded to even.
void SetCornerZones(MotionState& motion, int32_t ScaleWidth, int32_t ScaleHeight);

// Draws the first steps and directions of a run. The caller seeds the generator just before;
// this draws the number that picks the directions, seeds again, draws both steps and signs
// them: below 0.26 left and down, below 0.51 right and up, below 0.76 left and up, otherwise
// right and down.
void StartMotion(MotionState& motion, RandomSource& random);

// Draw a new positive step for one axis (up to what Speed allows; never equal to the other
// axis' current step). A Speed whose factor does not fit 16 bits leaves the step as it was.
void RandomDeltaY(MotionState& motion, RandomSource& random);
void RandomDeltaX(MotionState& motion, RandomSource& random);

// Turn the window at an edge: advance the design, draw new steps (near a corner on both axes)
// and work out gNewLeft and gNewTop again from the window's current place.
void BounceLeft(MotionState& motion, const MotionArea& area, RandomSource& random,
                const DrawDesignStep& DrawDesign);
void BounceTop(MotionState& motion, const MotionArea& area, RandomSource& random,
               const DrawDesignStep& DrawDesign);
void BounceRight(MotionState& motion, const MotionArea& area, RandomSource& random,
                 const DrawDesignStep& DrawDesign);
void BounceBottom(MotionState& motion, const MotionArea& area, RandomSource& random,
                  const DrawDesignStep& DrawDesign);

struct WindowPosition {
  int32_t Left = 0;
  int32_t Top = 0;

  friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// One move of the main loop: the next position from the current one and the steps, then the
// left, top, right and bottom tests in that order, each seeing what the bounces before it
// left. The edges tested are those of the stretch of monitors the window stands in: on its
// rows from its left to its right wall, in its columns from its top to its bottom wall. On
// several monitors, a step that would still put a corner of the window into a gap (past the
// corner of the gap) runs the bounce of the side it hits, or else the top or bottom one; should
// that step still leave the monitors, the window stays where it is for this move. Returns
// where the caller moves the verse window (also in gNewLeft and gNewTop).
WindowPosition MoveVerseWindow(MotionState& motion, const MotionArea& area, RandomSource& random,
                               const DrawDesignStep& DrawDesign);

// Where a verse window of this size at (Left, Top) goes so that it lies on the monitors again
// (after a display change): unchanged when it does; otherwise moved the least distance to lie
// within the monitor nearest to it, one twip in from its edges.
WindowPosition KeepOnMonitors(const VerseBox& verse, std::span<const MonitorBox> monitors);

}  // namespace sovelin
