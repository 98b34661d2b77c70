// Where the wind arrow points, tick by tick: still at the reported direction,
// swinging across a variable sector, or spinning when the direction is variable.
// No drawing and no toolkit here, so every sequence can be checked tick by tick.
#pragma once

namespace aerolume {

class WindAnimation {
 public:
  enum class Motion { Still, Swing, Spin };

  static constexpr int kSwingStep = 5;
  static constexpr int kSwingIntervalMs = 40;
  static constexpr int kSpinStep = 45;
  static constexpr int kSpinIntervalMs = 20;

  // Takes the wind values as the decoder left them (-1: none). A sector through
  // north is extended past 360 so the arrow never jumps across it.
  void SetWind(int direction, int speed, int varFrom, int varTo);

  // Chooses the motion for the values set; the caller (re)starts its timer with
  // IntervalMs() when the motion is not Still, and hands the timer's id to TimerStarted.
  Motion Restart();
  void TimerStarted(int timerId) { m_timerId = timerId; }
  void TimerStopped() { m_timerId = 0; }

  // One timer tick: moves the arrow and returns true, or returns false and changes
  // nothing when the tick belongs to another timer.
  bool OnTimer(int timerId);

  int Angle() const { return m_angle; }
  int Speed() const { return m_speed; }
  int Step() const { return m_step; }
  int TimerId() const { return m_timerId; }
  Motion CurrentMotion() const { return m_motion; }
  int IntervalMs() const;
  // Calm (speed 0) and a missing wind group (speed -1) show no arrow.
  bool ShowsArrow() const { return m_speed > 0; }

 private:
  void Spin();
  void Swing();

  int m_angle = 0;    // degrees clockwise; -1 for a variable or missing direction
  int m_speed = 0;    // knots; -1 when no wind group
  int m_varFrom = 0;  // sector bounds, -1 when none; after SetWind m_varTo >= m_varFrom
  int m_varTo = 0;
  int m_step = 0;     // degrees per tick: 5, -5 or 45
  int m_timerId = 0;  // 0 while no timer runs
  Motion m_motion = Motion::Still;
};

}  // namespace aerolume
