#include "state/number_text.h"

// std
#include <ostream>

namespace pipstone {

std::ostream &operator<<(std::ostream &out, const NumberText &field)
{
    return out << field.text();
}

} // namespace pipstone
