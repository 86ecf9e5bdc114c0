// ilmo: the ILMO RQ07 control centre, a tray program with one page per device.

#include "shell/Application.h"

int main(int argc, char** argv) { return ilmo::shell::run_application(argc, argv); }
