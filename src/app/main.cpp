#include "app/cli_help.h"
#include "app/driver.h"

int main(int argc, char** argv) {
  if (const auto status = tembrix::answer_info_request(argc, argv)) return *status;
  return tembrix::run(argc, argv);
}
