#include "platform/qtapp/services.h"

#include "platform/qt/qt_canvas.h"

namespace qtapp {

int PrintJob::PageWidth() { return Canvas().PageWidth(); }
int PrintJob::PageHeight() { return Canvas().PageHeight(); }

namespace {

std::shared_ptr<PlatformServices>& ProcessServicesSlot() {
    static std::shared_ptr<PlatformServices> services;
    return services;
}

// "Venue files (*.ven)" loses its "(...)": the patterns take its place.
QString DescriptionWithoutPatterns(const QString& description) {
    QString d = description.trimmed();
    if (d.endsWith(u')')) {
        const qsizetype open = d.lastIndexOf(u'(');
        if (open >= 0) d = d.left(open).trimmed();
    }
    return d;
}

QStringList PatternsInBothCases(const QString& patterns) {
    QStringList out;
    const auto add = [&out](const QString& p) {
        if (!p.isEmpty() && !out.contains(p)) out.append(p);
    };
    for (const QString& raw : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString p = raw.trimmed();
        add(p.toLower());
        add(p.toUpper());
        add(p);
    }
    return out;
}

}  // namespace

PlatformServices& ProcessServices() {
    std::shared_ptr<PlatformServices>& slot = ProcessServicesSlot();
    if (!slot) slot = MakeQtServices();
    return *slot;
}

std::shared_ptr<PlatformServices> SetProcessServices(std::shared_ptr<PlatformServices> services) {
    std::shared_ptr<PlatformServices> old = std::move(ProcessServicesSlot());
    ProcessServicesSlot() = std::move(services);
    return old;
}

QString ToQtNameFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = DescriptionWithoutPatterns(parts[i]);
        QStringList patterns = i + 1 < parts.size() ? PatternsInBothCases(parts[i + 1]) : QStringList();
        if (description.isEmpty() && patterns.isEmpty()) continue;
        if (patterns.isEmpty()) patterns.append(QStringLiteral("*"));
        const QString list = u'(' + patterns.join(u' ') + u')';
        filters.append(description.isEmpty() ? list : description + u' ' + list);
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace qtapp
