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
    box.exec();
}
