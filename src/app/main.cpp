#include "CorvaneApplication.h"
#include "MainMod.h"

int main(int argc, char **argv)
{
    CorvaneApplication app(argc, argv);
    const int status = Main();
    if (status != 0)
        return status;
    const int result = app.exec();
    endRun();
    return result;
}
