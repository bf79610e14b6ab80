// The benchmark program's entry. Weak, so a shared entry defined elsewhere
// in bench/ takes its place. Every benchmark runs inside the QApplication
// made here.
#include <QApplication>
#include <benchmark/benchmark.h>

__attribute__((weak)) int main(int argc, char** argv)
{
    if (!QApplication::instance())
        new QApplication(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
