// Loads a Designer form through QUiLoader with only the installed Designer
// plugin: this program does not link the library, so the plugin must find
// it through its own run path. Arguments: the plugin folder, the form.
#include <QApplication>
#include <QFile>
#include <QUiLoader>
#include <QWidget>
#include <cstdio>
#include <memory>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QUiLoader loader;
  loader.clearPluginPaths();
  loader.addPluginPath(QString::fromLocal8Bit(argv[1]));
  QFile file(QString::fromLocal8Bit(argv[2]));
  file.open(QIODevice::ReadOnly);
  std::unique_ptr<QWidget> form(loader.load(&file));
  const QWidget* meter = form ? form->findChild<QWidget*>(QStringLiteral("meter")) : nullptr;
  const bool ok = meter && QByteArray(meter->metaObject()->className()) == "vyr::TMeter" &&
                  meter->property("Value").toDouble() == 42;
  std::printf("plugin probe: %s\n", ok ? "ok" : "the plugin did not create the form's meter");
  return ok ? 0 : 1;
}
