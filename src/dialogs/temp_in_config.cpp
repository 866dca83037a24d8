#include "dialogs/temp_in_config.h"

#include "dialogs/integer_edit.h"
#include "elements/io_elements.h"
#include "qt_adapters/qt_text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

#include <limits>

namespace vantrel {

namespace {

QStringList ReadingNames()
{
    QStringList names;
    for (int type = 0; type < TempInput::kReadingCount; ++type)
        names.append(ToQString(TempInput::ReadingName(type)));
    return names;
}

} // namespace

CTempInConfig::CTempInConfig(const TempInValues& values, QWidget* parent)
    : PropertyDialog(QStringLiteral("Temp In Config"), parent), givenType_(values.type),
      type_(NewList(1086, ReadingNames(), values.type)), siloName_(NewEdit(1087, values.siloName)),
      defaultValue_(NewIntegerEdit(1088, values.defaultValue,
                                   std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max()))
{
    Form().addRow(QStringLiteral("Type:"), type_);
    Form().addRow(QStringLiteral("Silo Name:"), siloName_);
    Form().addRow(QStringLiteral("Default Value:"), defaultValue_);
    ShowSiloNameFor(values.type);
    connect(type_, &QComboBox::currentIndexChanged, this, &CTempInConfig::ShowSiloNameFor);
}

bool CTempInConfig::ReadsSilo(int type)
{
    return (type >= 0 && type <= 2) || (type >= 9 && type < TempInput::kReadingCount);
}

void CTempInConfig::ShowSiloNameFor(int type)
{
    Form().setRowVisible(siloName_, ReadsSilo(type));
}

TempInValues CTempInConfig::Values() const
{
    return {ChosenIndex(*type_, givenType_), FromQString(siloName_->text()),
            defaultValue_->Value()};
}

} // namespace vantrel
