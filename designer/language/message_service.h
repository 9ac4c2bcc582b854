#pragma once
// The designer's message boxes: a text by language key (section "Messages"),
// a box kind and the buttons. The Yes and No buttons carry "T57" and "T58"
// and any button can be relabelled for one question ("T60"/"T61" for the
// folder question, "T65" for the empty-check box). Tests pre-answer boxes
// through the answer hook and read what was shown from the log.

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

class QWidget;

namespace vardeo {

enum class BoxKind { Information, Warning, Error, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, Yes };
enum class Answer { Ok, Cancel, Yes, No };

struct ShownMessage {
    QString key; // empty for a text without key
    QString text;
    BoxKind kind;
    BoxButtons buttons;
};

class MessageService final {
public:
    // Shows message `key` of the current language, followed by suffix.
    Answer show(std::string_view key, BoxKind kind, BoxButtons buttons, const QString& suffix = {});
    Answer showText(const QString& text, BoxKind kind, BoxButtons buttons, const QString& key = {});

    // A label for one button until resetLabels(); the title of the boxes.
    void relabel(Answer button, const QString& label) { m_labels[button] = label; }
    void resetLabels() { m_labels.clear(); }
    void setParent(QWidget* parent) { m_parent = parent; }

    // Tests: the hook answers instead of a box (nullopt shows the box).
    using AnswerHook = std::function<std::optional<Answer>(const ShownMessage&)>;
    void setAnswerHook(AnswerHook hook) { m_hook = std::move(hook); }
    [[nodiscard]] const std::vector<ShownMessage>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // The label a button carries now.
    [[nodiscard]] QString label(Answer button) const;

private:
    std::map<Answer, QString> m_labels;
    QWidget* m_parent = nullptr;
    AnswerHook m_hook;
    std::vector<ShownMessage> m_log;
};

[[nodiscard]] MessageService& messages();

// Answers boxes from a queue for the lifetime of the object (tests); an
// empty queue answers OK, and No to questions (nothing is started or replaced).
class ScriptedAnswers final {
public:
    explicit ScriptedAnswers(std::vector<Answer> answers = {});
    ~ScriptedAnswers();
    ScriptedAnswers(const ScriptedAnswers&) = delete;
    ScriptedAnswers& operator=(const ScriptedAnswers&) = delete;
    void push(Answer a) { m_answers.push_back(a); }

private:
    std::vector<Answer> m_answers;
};

} // namespace vardeo
