// A library in the engine's place that does not export EntryPoint_Main.
extern "C" int SomethingElse() {
    return 0;
}
