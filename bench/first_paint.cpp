// Starts the desktop program as `ringvale` does and ends it once the main
// window has painted for the first time: run_desk.py times the whole process.
//   bench_first_paint --data-dir ROOT
#include "DesktopStart.h"

#include "entry/MainForm.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace
{

class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Quit once this paint has been handled, not in the middle of it.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[])
{
    FirstPaint watch;
    return runDesktop(argc, argv, [&watch](TMainForm& form) { form.installEventFilter(&watch); });
}
