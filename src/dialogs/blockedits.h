// The scheme editor's changes to the block tree: add, remove, move by drag
// and drop, and copy a block from another scheme with its attributes. Each
// leaves the collection in tree order.
#pragma once

#include <cstdint>

#include "support/qschar.h"

namespace qs {

class TSyntaxScheme;

// Appends a block with the lowest free ID below parentId; returns the ID.
// Throws qs::Error when every block ID is in use.
std::int32_t AddBlock(TSyntaxScheme& scheme, const String& name, std::int32_t parentId);

// Removes the block and every block below it; returns the removed block's
// ParentID (-1 for a root). Their attributes stay until the next purge.
std::int32_t RemoveBlock(TSyntaxScheme& scheme, std::int32_t id);

// A drop of block id onto block target. As a sibling the block takes the
// target's place and parent; as a child it goes below the target. False (and
// nothing changed) when the drop is refused: the first root cannot move, no
// block can go into its own subtree, and nothing becomes a sibling of the
// first root.
bool DropBlock(TSyntaxScheme& scheme, std::int32_t id, std::int32_t target, bool asChild);

// Appends a copy of source's block blockIndex below parentId and returns its
// ID. A block named "Default" takes the source scheme's name. Every
// attribute the block refers to is recreated for the new block. Throws
// qs::Error, with the working scheme unchanged, when no block ID or not
// enough attribute IDs are left.
std::int32_t CopyBlock(TSyntaxScheme& scheme, const TSyntaxScheme& source, int blockIndex,
                       std::int32_t parentId);

}  // namespace qs
