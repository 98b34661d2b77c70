#include "wind/wind_animation.hpp"

namespace aerolume {

void WindAnimation::SetWind(int direction, int speed, int varFrom, int varTo) {
  m_angle = direction;
  m_speed = speed;
  m_varFrom = varFrom;
  m_varTo = varTo;
  if (m_varFrom == 360) m_varFrom = 0;
  if (m_varFrom > m_varTo) {
    m_varTo += 360;
    if (m_angle < m_varFrom) m_angle += 360;
  }
}

WindAnimation::Motion WindAnimation::Restart() {
  if (m_varFrom >= 0 && m_varTo >= 0 && m_speed > 0) {
    m_step = kSwingStep;
    m_motion = Motion::Swing;
  } else if (m_angle == -1 && m_speed > 0) {
    m_step = kSpinStep;
    m_motion = Motion::Spin;
  } else {
    m_motion = Motion::Still;
  }
  return m_motion;
}

int WindAnimation::IntervalMs() const {
  switch (m_motion) {
    case Motion::Swing:
      return kSwingIntervalMs;
    case Motion::Spin:
      return kSpinIntervalMs;
    case Motion::Still:
      break;
  }
  return 0;
}

bool WindAnimation::OnTimer(int timerId) {
  if (timerId != m_timerId || m_timerId == 0) return false;
  if (m_varFrom == -1 && m_varTo == -1) {
    Spin();
  } else {
    Swing();
  }
  return true;
}

void WindAnimation::Spin() {
  // Wraps after a full turn so the angle stays small however long it spins.
  m_angle = m_angle >= 360 ? m_step : m_angle + m_step;
}

void WindAnimation::Swing() {
  if (m_angle >= m_varTo && m_step == kSwingStep) m_step = -kSwingStep;
  if (m_angle <= m_varFrom && m_step == -kSwingStep) m_step = kSwingStep;
  m_angle += m_step;
}

}  // namespace aerolume
