// Built only by the layering test, which passes when this include is not found.
#include <QString>
