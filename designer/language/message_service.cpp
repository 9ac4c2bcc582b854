#include "message_service.h"

#include "designer/language/ui_language.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

namespace vardeo {

QString MessageService::label(Answer button) const {
    if (auto it = m_labels.find(button); it != m_labels.end())
        return it->second;
    switch (button) {
    case Answer::Yes: {
        const QString t = uiLanguage().texts("T57");
        return t.isEmpty() ? QStringLiteral("&Yes") : t;
    }
    case Answer::No: {
        const QString t = uiLanguage().texts("T58");
        return t.isEmpty() ? QStringLiteral("&No") : t;
    }
    case Answer::Ok: {
        const QString t = uiLanguage().caption("MsgBox", 1);
        return t.isEmpty() ? QStringLiteral("OK") : t;
    }
    case Answer::Cancel: {
        const QString t = uiLanguage().caption("MsgBox", 2);
        return t.isEmpty() ? QStringLiteral("Cancel") : t;
    }
    }
    return {};
}

Answer MessageService::show(std::string_view key, BoxKind kind, BoxButtons buttons,
                            const QString& suffix) {
    return showText(uiLanguage().message(key) + suffix, kind, buttons,
                    QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
}

Answer MessageService::showText(const QString& text, BoxKind kind, BoxButtons buttons,
                                const QString& key) {
    const ShownMessage shown{key, text, kind, buttons};
    m_log.push_back(shown);
    const Answer fallback = buttons == BoxButtons::OkCancel || buttons == BoxButtons::Ok ? Answer::Ok
                            : buttons == BoxButtons::Yes ? Answer::Yes
                                                         : Answer::No;
    if (m_hook)
        if (auto a = m_hook(shown))
            return *a;

    QMessageBox box(m_parent);
    box.setWindowTitle(QStringLiteral("Tarnic - Vardeo"));
    box.setText(text);
    switch (kind) {
    case BoxKind::Information: box.setIcon(QMessageBox::Information); break;
    case BoxKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case BoxKind::Error: box.setIcon(QMessageBox::Critical); break;
    case BoxKind::Question: box.setIcon(QMessageBox::Question); break;
    }
    std::map<QAbstractButton*, Answer> answers;
    const auto add = [&](Answer a, QMessageBox::ButtonRole role) {
        QAbstractButton* b = box.addButton(label(a), role);
        answers[b] = a;
    };
    switch (buttons) {
    case BoxButtons::Ok: add(Answer::Ok, QMessageBox::AcceptRole); break;
    case BoxButtons::OkCancel:
        add(Answer::Ok, QMessageBox::AcceptRole);
        add(Answer::Cancel, QMessageBox::RejectRole);
        break;
    case BoxButtons::YesNo:
        add(Answer::Yes, QMessageBox::YesRole);
        add(Answer::No, QMessageBox::NoRole);
        break;
    case BoxButtons::Yes: add(Answer::Yes, QMessageBox::YesRole); break;
    }
    box.exec();
    if (auto it = answers.find(box.clickedButton()); it != answers.end())
        return it->second;
    return buttons == BoxButtons::OkCancel ? Answer::Cancel : fallback;
}

MessageService& messages() {
    static MessageService instance;
    return instance;
}

ScriptedAnswers::ScriptedAnswers(std::vector<Answer> answers) : m_answers(std::move(answers)) {
    messages().setAnswerHook([this](const ShownMessage& m) -> std::optional<Answer> {
        if (!m_answers.empty()) {
            const Answer a = m_answers.front();
            m_answers.erase(m_answers.begin());
            return a;
        }
        return m.buttons == BoxButtons::YesNo ? Answer::No : m.buttons == BoxButtons::Yes ? Answer::Yes : Answer::Ok;
    });
}

ScriptedAnswers::~ScriptedAnswers() { messages().setAnswerHook({}); }

} // namespace vardeo
