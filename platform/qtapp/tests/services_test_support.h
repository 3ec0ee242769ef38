#pragma once
// Scratch folders, PDF page counting and an environment variable set for
// one test.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

#include <optional>

class ScratchFolder {
public:
    QString Path(const QString& name) const { return dir_.filePath(name); }
    QString Dir() const { return dir_.path(); }
    bool Ok() const { return dir_.isValid(); }

private:
    QTemporaryDir dir_;
};

// Pages of a PDF file: its "/Type /Page" objects ("/Type /Pages" is the
// page tree, not a page).  -1 when the file cannot be read or is no PDF.
inline int PdfPageCount(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray data = f.readAll();
    if (!data.startsWith("%PDF")) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return static_cast<int>(QString::fromLatin1(data).count(page));
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

class EnvOverride {
public:
    EnvOverride(const char* name, const QByteArray& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
        qputenv(name, value);
    }
    ~EnvOverride() {
        if (old_)
            qputenv(name_, *old_);
        else
            qunsetenv(name_);
    }
    EnvOverride(const EnvOverride&) = delete;
    EnvOverride& operator=(const EnvOverride&) = delete;

private:
    const char* name_;
    std::optional<QByteArray> old_;
};
