#include "CMessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

CMessageBoxSink::CMessageBoxSink(QString title)
    : m_title(std::move(title))
{
}

void CMessageBoxSink::ShowMessage(unsigned, const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, m_title, QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box.exec();
}

bool CMessageBoxSink::Confirm(unsigned, const std::string& text)
{
    QMessageBox box(QMessageBox::Question, m_title, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
