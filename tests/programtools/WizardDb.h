#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// A wizard database of a test's own, in a folder of its own (the wizard's
// program folder): the four tables, and rows added one at a time. Values given
// as null optionals are stored as NULL.
class WizardDb {
public:
    // In a temporary folder of its own, or in the folder given.
    explicit WizardDb(const QString& folder = QString());

    QString Folder() const { return folder_; }
    QString Path() const;

    struct Item {
        int PageId = 1;
        int ItemId = 1;
        std::optional<int> TypeOfItem = 2;
        std::optional<QString> Title = QString();
        std::optional<QString> Picture = QString();
        std::optional<int> Left = 0, Top = 0, Width = 1200, Height = 300;
        std::optional<QString> FontName = QStringLiteral("DejaVu Sans");
        std::optional<double> FontSize = 9;
        std::optional<int> FontStyle = 0;
        std::optional<qint64> ForeColor = 0;
        std::optional<bool> DiagsOnly = false;
        std::optional<int> Action = std::nullopt, Param1 = std::nullopt, Param2 = std::nullopt;
    };

    void StartUp(int lower, int high, int page);
    void Page(int pageId, const QString& title = QStringLiteral("Page"), double height = 4500, double width = 6000);
    void AddItem(const Item& item);
    // A button of the page with the action and its parameters.
    void Button(int pageId, int itemId, std::optional<int> action, std::optional<int> param1,
                std::optional<int> param2 = std::nullopt, const QString& title = QStringLiteral("Button"));
    // A preset: every column from the base values, the named ones replaced by
    // SQL values ("NULL", "3").
    void Preset(int setId, const QMap<QString, QString>& values = {});
    // The base value of each of the 44 setting columns, in table order.
    static const QList<std::pair<QString, QString>>& PresetColumns();

    void Run(const QStringList& statements) const;
    // A small picture file in the folder.
    void Picture(const QString& name, const QColor& colour, int side = 16) const;

private:
    QTemporaryDir dir_;
    QString folder_;
};
