// What the module shows its siblings: everything else stays hidden.
#pragma once

#define TREVANCOM_API __attribute__((visibility("default")))
