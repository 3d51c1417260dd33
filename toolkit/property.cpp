#include "toolkit/property.h"

#include <string>

#include "core/errors.h"
#include "toolkit/control.h"
#include "toolkit/form.h"

namespace tarvex {

PropertyBase::PropertyBase(Control& owner, PropertyId id) : owner_(owner), id_(id) { owner_.add_property(*this); }

void PropertyBase::tell_view() { owner_.form().tell_view(owner_, *this); }

void refuse_property_write(const PropertyBase& property) {
  throw Error(ErrorKind::InvalidPropertyValue,
              property.owner().name() + "." + std::string(property.name()) +
                  (property.writable() ? " takes no value of that type" : " is read-only"));
}

}  // namespace tarvex
