// Objects to and from the neutral object tree by their published properties,
// with the rules of the object text: what is written, under which path, as
// which kind of value; and a tolerant reader so that files of other versions
// load with what they hold that this version knows.
#pragma once

#include <functional>
#include <string_view>

#include "support/objecttree.h"
#include "support/persistent.h"

namespace qs {

// Told of each property the reader skipped, with the reason.
using PropertyErrorHandler = std::function<void(const Property&, std::string_view reason)>;

// In table order; equal-to-default and not-stored properties are left out;
// sub-objects are flattened under "<Name>." paths, string lists become
// "<Name>.Strings" lists, collections are always written.
PropertyList WriteProperties(const TPersistent& object, std::string_view prefix = "");

// Reads the properties whose paths begin with the prefix (others belong to
// someone else and are ignored). Unknown paths, values of the wrong kind or
// out of range, and setters that refuse a value with qs::Error skip that
// property; a set keeps its known elements. A collection is cleared and
// refilled item by item in order.
void ReadProperties(TPersistent& object, const PropertyList& properties,
                    std::string_view prefix = "", const PropertyErrorHandler& onError = {});

inline constexpr std::string_view kHolderClass = "TPersHolder";

// A TPersHolder root whose property "P" holds the object: a collection as the
// value of "P", any other object as its properties under "P.".
ObjectNode MakeHolder(const TPersistent& object);

// Reads a TPersHolder root into the target. Throws qs::ParseError, before
// touching the target, when the root is not a holder, when a collection target
// finds no collection under "P", or when another target finds a bare "P"
// (a holder of a collection) instead of "P." properties.
void ReadHolder(const ObjectNode& root, TPersistent& target,
                const PropertyErrorHandler& onError = {});

// Reads into a fresh T and assigns it to the target only when that succeeded,
// so a failed read leaves the target as it was.
template <class T>
void LoadInto(T& target, const ObjectNode& root, const PropertyErrorHandler& onError = {}) {
  T fresh;
  ReadHolder(root, fresh, onError);
  target.Assign(fresh);
}

}  // namespace qs
