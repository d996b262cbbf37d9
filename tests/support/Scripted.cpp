#include "support/Scripted.h"

#include "core/Modulo.h"

Message::Answer ScriptedMessenger::show(const Message &message)
{
    shown.append(message);
    if (message.buttons == Message::Buttons::Ok)
        return Message::Answer::Ok;
    if (answers.empty())
        return Message::Answer::No;
    const Message::Answer a = answers.front();
    answers.pop_front();
    return a;
}

QStringList ScriptedMessenger::texts() const
{
    QStringList out;
    for (const Message &m : shown)
        out << m.text;
    return out;
}

std::optional<QString> ScriptedDialogs::choose(const FileDialogRequest &request)
{
    requests.append(request);
    if (choices.empty())
        return std::nullopt;
    auto c = choices.front();
    choices.pop_front();
    return c;
}

std::optional<QStringList> ScriptedDialogs::chooseFiles(const FileDialogRequest &request)
{
    if (fileLists.empty())
        return FileDialogs::chooseFiles(request);
    requests.append(request);
    auto c = fileLists.front();
    fileLists.pop_front();
    return c;
}

QStringList workedExample(const QString &anno2, const QString &immigr, const QString &emigr)
{
    return {QStringLiteral("2000"),
            QStringLiteral("10000"),
            QStringLiteral("1,5"),
            QStringLiteral("14"),
            QStringLiteral("49"),
            QStringLiteral("5"),
            QStringLiteral("80"),
            immigr,
            emigr,
            anno2};
}

void fillFields(ProjectionModel &model, const QStringList &texts)
{
    for (int i = 0; i < texts.size(); ++i)
        model.setText(static_cast<ProjectionModel::Field>(i), texts[i]);
}

Window::Window() = default;

void Window::fill(const QString &anno1, const QString &abitnoti, const QString &tassofert, const QString &iniziofert,
                  const QString &finefert, const QString &mortinfanti, const QString &aspvita, const QString &immigr,
                  const QString &emigr, const QString &anno2)
{
    fillFields(*model, {anno1, abitnoti, tassofert, iniziofert, finefert, mortinfanti, aspvita, immigr, emigr, anno2});
}

void Window::example(const QString &anno2, const QString &immigr, const QString &emigr)
{
    fillFields(*model, workedExample(anno2, immigr, emigr));
}
