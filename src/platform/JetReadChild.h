#pragma once

// The child side of ChildJetReader: `velt --read-jet-child FILE` writes the file's user tables,
// `velt --read-jet-child FILE TABLE` the table, as JetRowStream on stdout. Not an operator's
// option: the program starts itself with it so that libmdb's faults end in the child.
namespace JetReadChild {

constexpr const char* kOption = "--read-jet-child";

/// True when the program was started as the child.
bool isChild(int argc, char** argv);
/// Reads as asked and writes the answer; the exit status.
int run(int argc, char** argv);

} // namespace JetReadChild
