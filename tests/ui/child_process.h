// SPDX-License-Identifier: MIT
#pragma once
// Some of what the window depends on is read once, when the application starts:
// the desktop's locale and its scale. A test of those runs its own program again
// in a child process per case, with the environment of that case, and the child
// runs the checks under it.
//
//   test program                 -> the matrix: one child per row
//   test program --child VALUE   -> the checks, told what to expect through VALUE

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTest>

#include <vector>

namespace ui_test {

inline constexpr char childFlag[] = "--child";

struct ChildResult {
    bool finished = false;
    int exitCode = -1;
    QString output;  // stdout and stderr together
};

// Runs this program with `--child value`, the variables in `unset` removed from
// the environment and those in `set` added; offscreen unless told otherwise.
inline ChildResult runChild(const QString& value, const QStringList& unset,
                            const QList<QPair<QString, QString>>& set) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : unset) environment.remove(name);
    for (const auto& [name, text] : set) environment.insert(name, text);
    if (!environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(childFlag), value});
    ChildResult result;
    result.finished = child.waitForFinished(120000);
    if (!result.finished) child.kill();
    result.exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    result.output = QString::fromUtf8(child.readAll());
    return result;
}

// The child's value, or an empty string in the parent.
inline QByteArray childValue(int argc, char* argv[]) {
    if (argc >= 3 && qstrcmp(argv[1], childFlag) == 0) return argv[2];
    return {};
}

// The arguments without `--child value`, for QApplication and QTest.
inline std::vector<char*> argumentsWithoutChildFlag(int argc, char* argv[]) {
    std::vector<char*> kept{argv[0]};
    for (int i = childValue(argc, argv).isEmpty() ? 1 : 3; i < argc; ++i) kept.push_back(argv[i]);
    kept.push_back(nullptr);
    return kept;
}

// The main of such a test: without `--child` it runs the Matrix, which starts
// the children; with it, the Checks, made from the child's value.
template <typename Matrix, typename Checks, typename FromValue>
int matrixOrChildMain(int argc, char* argv[], FromValue fromValue) {
    const QByteArray value = childValue(argc, argv);
    std::vector<char*> arguments = argumentsWithoutChildFlag(argc, argv);
    int count = int(arguments.size()) - 1;
    if (value.isEmpty()) {
        QCoreApplication app(count, arguments.data());
        Matrix matrix;
        return QTest::qExec(&matrix, count, arguments.data());
    }
    QApplication app(count, arguments.data());
    app.setAttribute(Qt::AA_Use96Dpi, true);
    Checks checks(fromValue(value));
    return QTest::qExec(&checks, count, arguments.data());
}

}  // namespace ui_test
