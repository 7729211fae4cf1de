// Report layouts: any bytes give a layout or a std::runtime_error, never a crash. In a layout
// that reads, a subreport section names a subreport of the layout, and every line renders: with
// values for its fields, and as nothing at all when every field it names is empty.

#include "FuzzCheck.h"
#include "ReportLayout.h"

#include <stdexcept>

namespace {

void checkLine(const ReportTemplate &line)
{
    const QStringList fields = line.fields();
    // Counts read their value as a number; every other field shows its own name.
    line.render(
        [](const QString &field) { return field.size() % 2 ? field : QStringLiteral("2"); });
    if (!fields.isEmpty())
        fuzzCheck(line.render([](const QString &) { return QString(); }).isEmpty(),
            "a line whose fields are all empty is empty", fields.join(u','));
}

void checkColumns(const QList<ReportColumnLayout> &columns)
{
    for (const ReportColumnLayout &column : columns)
        checkLine(column.text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json(reinterpret_cast<const char *>(data), qsizetype(size));
    ReportLayout layout;
    try {
        layout = ReportLayout::fromJson(json);
    } catch (const std::runtime_error &) {
        return 0;
    }
    for (const ReportSectionLayout &section : layout.sections) {
        checkLine(section.text);
        checkLine(section.aside);
        for (const ReportGroupLayout &group : section.groups)
            for (const ReportTemplate &line : group.lines)
                checkLine(line);
        checkColumns(section.columns);
        if (section.kind != ReportSectionLayout::Subreport)
            continue;
        bool named = false;
        for (const SubreportLayout &subreport : layout.subreports)
            named = named || subreport.name == section.subreport;
        fuzzCheck(named, "a subreport section names a subreport", section.subreport);
    }
    for (const SubreportLayout &subreport : layout.subreports) {
        checkColumns(subreport.columns);
        checkLine(subreport.note);
    }
    return 0;
}
