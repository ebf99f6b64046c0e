#pragma once

// Qt
#include <QObject>

class QWidget;

namespace pipstone::bench {

// Watches a window for its first painted frame. Once every widget of the
// window has painted for the first time, it prints "first-frame" on standard
// output, then either quits the program at once or, when asked to idle,
// lets the window settle for a second, waits that long and prints the
// processor time the program used meanwhile
// ("idle-cpu-ms <ms> <wall ms>") before it quits.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget &window, int idleMs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void framePainted();

    QWidget &window_;
    int idleMs_;
    bool seen_ = false;
};

// Reads the command line of a window benchmark: "first-frame" (the default)
// or "idle <ms>". Returns the idle time, 0 for none.
int idleMsFromArguments(int argc, char **argv);

// The word after `key` on the command line, or `otherwise` when it is absent.
const char *optionValue(int argc, char **argv, const char *key, const char *otherwise);

} // namespace pipstone::bench
