#include "model/qt_event_loop_clock.h"

#include <QEventLoop>
#include <QTimer>

namespace kol {

std::int64_t QtEventLoopClock::NowMs() { return SystemClock().NowMs(); }

void QtEventLoopClock::SleepMs(int ms) {
  if (ms <= 0) return;
  QEventLoop loop;
  QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace kol
