#pragma once

#include "CSendPreparation.h"
#include "CSettingKeywords.h"

#include <QDialog>

#include <string>
#include <vector>

class CPrinterAppRunner;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;

// "Share printers on the network": the queues the printer application on
// this computer serves, and a new one for a printer and setting, made
// with the program's own subcommands (add -m auto, then modify for the
// setting). When no server answers it says so and runs nothing, as the
// subcommands would start a private server of their own.
class CShareDlg : public QDialog {
    Q_OBJECT

public:
    CShareDlg(const QString& program, const CSendChoices& current, const std::vector<std::string>& printerNames,
              const std::vector<std::string>& settingNames, QWidget* parent);

private:
    enum class Step { List, Add };

    void BuildControls(const CSendChoices& current, const std::vector<std::string>& printerNames);
    QLayout* BuildChoices();
    void SuggestQueueName();
    bool ServerAnswers();
    void Refresh();
    void OnAdd();
    void OnFinished(bool ok, const QString& output);
    void ShowStatus(const std::string& text);
    void UpdateAdd();

    CSettingKeywords m_keywords;
    CPrinterAppRunner* m_runner;
    Step m_step = Step::List;
    QString m_added;
    QListWidget* m_queues;
    QLabel* m_status;
    QComboBox* m_printer;
    QSpinBox* m_number;
    QComboBox* m_setting;
    QLineEdit* m_queueName;
    QPushButton* m_add;
};
