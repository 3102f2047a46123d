#include "CQuestions.h"

#include "CMessageService.h"

#include <QApplication>
#include <QMessageBox>

bool CQuestions::Ask(unsigned id, const std::string& argument)
{
    Asked().push_back(id);
    if (auto& next = NextAnswer()) {
        const bool yes = *next;
        next.reset();
        return yes;
    }
    QWidget* over = QApplication::activeWindow();
    QMessageBox box(QMessageBox::Question, over ? over->windowTitle() : QApplication::applicationDisplayName(),
                    QString::fromStdString(CMessageService::Format(id, argument)),
                    QMessageBox::Yes | QMessageBox::No, over);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void CQuestions::SetNextAnswer(bool yes)
{
    NextAnswer() = yes;
}

std::vector<unsigned>& CQuestions::Asked()
{
    static std::vector<unsigned> asked;
    return asked;
}

std::optional<bool>& CQuestions::NextAnswer()
{
    static std::optional<bool> answer;
    return answer;
}
