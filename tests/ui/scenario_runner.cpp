// Plays window scenarios: each case folder holds input/ (copied into a fresh
// program folder), an optional starting Wrennet.ini, a `steps` file of user
// actions and scripted desktop answers, and the outputs it expects:
//   desktop   every request to the desktop, one per line, in order
//   shown     what each "show" step saw
//   settings  Wrennet.ini afterwards
// "%F" stands for the program folder and "%S" for the source tree in steps,
// Wrennet.ini and the outputs. A step is "verb [control] [text]"; "#" starts
// a comment line; "\xNN" and "\n" in a step are that byte and a line end.
//
//   scenario_runner CASE_DIR...   (WRENNET_UPDATE_SCENARIOS=1 rewrites the
//                                  expected files a case has)
#include <sys/stat.h>

#include <QAbstractButton>
#include <QKeySequence>
#include <QPointer>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "panel_driver.h"

using namespace wrennet::testing;
using wrennet::PopupComboBox;
using wrennet::WrennetDlg;
namespace fs = std::filesystem;

namespace {

const std::string kSourceDir = WRENNET_SOURCE_DIR "/";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); !from.empty() && at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string Unescape(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\\n") == 0) {
            bytes += '\n';
            ++i;
        } else if (text.compare(i, 2, "\\x") == 0 && i + 3 < text.size()) {
            bytes += char(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

std::string Escape(const std::string& text) { return Replace(text, "\n", "\\n"); }

// The text a control shows: a list's items ("*" before the current or
// selected ones), an edit's text, a label's or button's text; "(hidden)"
// before a control the user cannot see.
std::string Describe(QWidget* w) {
    std::string text = w->isVisible() ? "" : "(hidden) ";
    const auto item = [](bool marked, const QString& s) {
        return (marked ? "* " : "  ") + s.toStdString() + "\n";
    };
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) text += combo->currentText().toStdString() + "\n";
        for (int i = 0; i < combo->count(); ++i)
            text += item(i == combo->currentIndex(), combo->itemText(i));
        return text;
    }
    if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            text += item(list->item(i)->isSelected(), list->item(i)->text());
        return text;
    }
    if (auto* pane = qobject_cast<wrennet::SourcePane*>(w))
        return text + pane->toPlainText().toStdString() + "\n";
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return text + edit->text().toStdString() + "\n";
    if (auto* label = qobject_cast<QLabel*>(w)) return text + label->text().toStdString() + "\n";
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return text + button->text().toStdString() + (button->isChecked() ? " (checked)\n" : "\n");
    return text + "\n";
}

class Scenario {
  public:
    explicit Scenario(const fs::path& dir) : dir_(dir) {
        if (fs::exists(dir / "input"))
            fs::copy(dir / "input", session_.folder.path(), fs::copy_options::recursive);
        if (fs::exists(dir / "Wrennet.ini"))
            session_.write("Wrennet.ini", Replace(Read("Wrennet.ini"), "%S", kSourceDir));
        std::istringstream lines(Read("steps"));
        for (std::string line; std::getline(lines, line);)
            if (!line.empty() && line[0] != '#') steps_.push_back(line);
        QObject::connect(&continuation_, &QTimer::timeout, [this] { continueInDialog(); });
    }

    // Plays the steps, then compares; the differences as text, "" when none.
    std::string run() {
        platform().clipboard = kUntouched;
        play(nullptr);
        outputs_["settings"] = session_.ini();
        std::string differences;
        for (auto& [name, actual] : outputs_) {
            actual = Replace(Replace(actual, session_.folder.path(), "%F"), kSourceDir, "%S");
            if (!fs::exists(dir_ / name)) continue;
            if (std::getenv("WRENNET_UPDATE_SCENARIOS")) std::ofstream(dir_ / name) << actual;
            differences += FirstDifference(name, Read(name), actual);
        }
        return differences;
    }

  private:
    static constexpr const char* kUntouched = "\x01(untouched)";

    std::string Read(const std::string& name) const {
        return TempFolder::read((dir_ / name).string());
    }
    static std::string FirstDifference(const std::string& name, const std::string& expected,
                                       const std::string& actual) {
        if (expected == actual) return "";
        std::istringstream e(expected), a(actual);
        std::string el, al;
        for (int line = 1;; ++line) {
            const bool more = bool(std::getline(e, el)), moreActual = bool(std::getline(a, al));
            if (more != moreActual || el != al)
                return name + " line " + std::to_string(line) +
                       ":\n  expected: " + (more ? el : "(end)") +
                       "\n  actual:   " + (moreActual ? al : "(end)") + "\n";
        }
    }

    FakePlatform& platform() { return session_.platform; }
    WrennetDlg& window() { return *window_; }

    // Plays steps until they run out or `dialog`, when given, closes.
    void play(QWidget* dialog) {
        const QPointer<QWidget> watched = dialog;
        while (next_ < steps_.size() && (!dialog || (watched && watched->isVisible()))) {
            const std::string step = steps_[next_++];
            // A step that opens a dialog returns when it closes; the steps
            // meanwhile are played inside it.
            dialogBefore_ = QApplication::activeModalWidget();
            continuation_.start(10);
            perform(step);
            continuation_.stop();
            QCoreApplication::processEvents();
            record(std::to_string(next_) + " " + step);
        }
    }
    void continueInDialog() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog == dialogBefore_) return;
        continuation_.stop();
        if (!QTest::qWaitForWindowActive(dialog)) qFatal("the dialog never became active");
        record(std::to_string(next_) + " " + steps_[next_ - 1]);
        play(dialog);
        if (window_) Activate(*window_);
    }

    // What the desktop was asked since the last time, in the order of its
    // kinds, under the step that asked.
    void record(const std::string& step) {
        FakePlatform& p = platform();
        std::string out;
        for (; seen_[0] < p.messages.size(); ++seen_[0]) {
            const auto& m = p.messages[seen_[0]];
            const char* icons[] = {"Information", "Warning", "Stop", "Question"};
            out += std::string("message ") + icons[int(m.icon)] +
                   (m.buttons == wrennet::MessageButtons::Ok ? " OK: " : " Yes/No: ") +
                   Escape(m.text) + "\n";
        }
        for (; seen_[1] < p.fileRequests.size(); ++seen_[1]) {
            const auto& r = p.fileRequests[seen_[1]];
            out += "file dialog " + r.title + "|" + r.startFolder + "|" + r.startFileName;
            for (const auto& filter : r.filters)
                out += "|" + filter.description + " " + filter.pattern;
            out += "\n";
        }
        for (; seen_[2] < p.openedDocuments.size(); ++seen_[2])
            out += "open " + p.openedDocuments[seen_[2]] + "\n";
        for (; seen_[3] < p.started.size(); ++seen_[3]) {
            out += "start " + p.started[seen_[3]].program;
            for (const auto& argument : p.started[seen_[3]].arguments) out += " " + argument;
            out += "\n";
        }
        for (; seen_[4] < p.commands.size(); ++seen_[4])
            out += "run " + p.commands[seen_[4]] + "\n";
        if (p.clipboard != kUntouched) out += "clipboard " + Escape(p.clipboard) + "\n";
        p.clipboard = kUntouched;
        if (!out.empty()) outputs_["desktop"] += "> " + step + "\n" + out;
    }

    QWidget* control(const std::string& name) {
        const QString role = QString::fromStdString(name);
        QWidget* found = nullptr;
        if (QWidget* dialog = QApplication::activeModalWidget())
            found = dialog->findChild<QWidget*>(role);
        if (!found && window_) found = window_->findChild<QWidget*>(role);
        if (!found) qFatal("no control named %s", name.c_str());
        return found;
    }
    QWidget* focused() {
        QWidget* w = QApplication::focusWidget();
        while (w && w->objectName().isEmpty()) w = w->parentWidget();
        return w;
    }

    void perform(const std::string& line) {
        std::istringstream words(
            Replace(Replace(line, "%F", session_.folder.path()), "%S", kSourceDir));
        std::string verb, target, rest;
        words >> verb >> target;
        std::getline(words >> std::ws, rest);
        const std::string text = Unescape(rest);
        const std::string whole = Unescape(target + (rest.empty() ? "" : " " + rest));
        FakePlatform& p = platform();
        if (verb == "start") {
            window_ = &Shown(session_.start());
            Activate(*window_);
        } else if (verb == "answer") {
            p.answers.push_back(target == "yes" ? wrennet::MessageAnswer::Yes
                                                : wrennet::MessageAnswer::No);
        } else if (verb == "choose-file") {
            p.chosenFiles.push_back(whole.empty() ? std::nullopt : std::optional(whole));
        } else if (verb == "helper-result") {
            p.helperResults.push_back(std::stoi(target));
        } else if (verb == "copy") {
            fs::create_directories(fs::path(session_.path(text)).parent_path());
            fs::copy_file(session_.path(Unescape(target)), session_.path(text),
                          fs::copy_options::overwrite_existing);
        } else if (verb == "write") {
            session_.write(target, text);
        } else if (verb == "remove") {
            fs::remove(session_.path(whole));
        } else if (verb == "mkfifo") {
            ::mkfifo(session_.path(whole).c_str(), 0600);
        } else if (verb == "click") {
            QTest::mouseClick(control(target), Qt::LeftButton);
        } else if (verb == "key") {
            // "key Ctrl+A" goes where the focus is, "key sourcePane Ctrl+A" to that control.
            const bool toControl = !text.empty();
            const QKeyCombination key =
                QKeySequence::fromString(QString::fromStdString(toControl ? text : target))[0];
            QWidget* to = toControl ? control(target) : QApplication::focusWidget();
            QTest::keyClick(to ? to : window_, key.key(), key.keyboardModifiers());
            // A mnemonic presses its button and clicks it a moment later.
            const auto buttonsUp = [] {
                for (QWidget* w : QApplication::allWidgets())
                    if (auto* button = qobject_cast<QAbstractButton*>(w);
                        button && button->isDown())
                        return false;
                return true;
            };
            if (!QTest::qWaitFor(buttonsUp)) qFatal("a button stayed pressed");
        } else if (verb == "type") {
            auto* edit = qobject_cast<QLineEdit*>(control(target));
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, QString::fromStdString(text));
        } else if (verb == "focus") {
            Focus(control(target));
        } else if (verb == "open") {
            auto* combo = qobject_cast<PopupComboBox*>(control(target));
            combo->setFocus(Qt::MouseFocusReason);
            combo->showPopup();
        } else if (verb == "close") {
            CloseList(*qobject_cast<PopupComboBox*>(control(target)),
                      text.empty() ? -1 : std::stoi(text));
            Activate(window());
        } else if (verb == "choose") {
            if (!Choose(window(), whole)) qFatal("%s is not listed", whole.c_str());
        } else if (verb == "select") {
            auto* list = qobject_cast<QListWidget*>(control(target));
            list->clearSelection();
            std::istringstream rows(text);
            for (int row; rows >> row;) list->item(row)->setSelected(true);
        } else if (verb == "enter") {
            window().panel().enterValueEdit(target.back() - '0');
        } else if (verb == "deactivate") {
            QApplication::setActiveWindow(nullptr);
        } else if (verb == "activate") {
            Activate(window());
        } else if (verb == "wait-for-focus") {
            // The focus may move a few turns of the event loop later.
            for (int turn = 0; turn < 200 && show("focus") != target + "\n"; ++turn)
                QTest::qWait(100);
        } else if (verb == "scroll-to-end") {
            auto& pane = *window().controls().sourcePane;
            pane.scrollToLine(pane.lineCount());
        } else if (verb == "show") {
            outputs_["shown"] += "[" + target + "]\n" + show(target);
        } else {
            qFatal("unknown step: %s", line.c_str());
        }
    }

    std::string show(const std::string& what) {
        if (what == "pane") return window().paneText() + "\n";
        if (what == "pane-top") {
            const int top = window().firstVisiblePaneLine();
            return std::to_string(top) + ": " +
                   window().controls().sourcePane->lineText(top).toStdString() + "\n";
        }
        if (what == "library") return window().libraries().selected().value_or("(none)") + "\n";
        if (what == "choice") return session_.settings().choice() + "\n";
        if (what == "helper") return window().helperPath() + "\n";
        if (what == "settings") return session_.ini();
        if (what == "focus")
            return (focused() ? focused()->objectName().toStdString() : "(none)") + "\n";
        if (what == "fields") {  // each used slot: its name, the kind of field and its text
            const auto& c = window().controls();
            std::string fields;
            for (int k = 0; k < window().parameterCount(); ++k) {
                const bool combo = c.valueCombos[k]->isVisible();
                fields += c.nameLabels[k]->text().toStdString() + (combo ? " combo " : " edit ") +
                          (combo ? c.valueCombos[k]->currentText() : c.valueEdits[k]->text())
                              .toStdString() +
                          "\n";
            }
            return fields;
        }
        if (what == "controls") {
            std::string names;
            for (QWidget* w : window().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (w->isVisible()) names += w->objectName().toStdString() + " ";
            return names + "\n";
        }
        return Describe(control(what));
    }

    fs::path dir_;
    Session session_;
    WrennetDlg* window_ = nullptr;
    std::vector<std::string> steps_;
    std::size_t next_ = 0;
    QTimer continuation_;
    QPointer<QWidget> dialogBefore_;
    std::size_t seen_[5] = {};
    std::map<std::string, std::string> outputs_ = {{"desktop", ""}, {"shown", ""}};
};

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failed = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string differences = Scenario(argv[i]).run();
        std::cout << (differences.empty() ? "PASS " : "FAIL ") << argv[i] << "\n" << differences;
        failed += !differences.empty();
    }
    return failed == 0 ? 0 : 1;
}
