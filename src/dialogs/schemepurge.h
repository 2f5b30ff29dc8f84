// What the scheme editor tidies before it saves or applies a scheme: switches
// whose rules are empty go off, attributes no block uses go, and the blocks
// are put in tree order.
#pragma once

namespace qs {

class TSyntaxScheme;
class TSyntaxBlock;

// The switches of one block that have nothing to work with are turned off.
void PurgeBlockSwitches(TSyntaxBlock& block);

// Purges every block, then deletes the attributes no block refers to (or
// whose ID is outside 0..255); a scheme whose blocks refer to no attribute at
// all keeps its whole font table.
void PurgeScheme(TSyntaxScheme& scheme);

}  // namespace qs
