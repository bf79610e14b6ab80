#pragma once

class DdeClient;
class ProgramStarter;
class Prompts;

// What the outside-program tools work through; tests hand in fakes.
struct ToolServices {
    Prompts& prompts;
    ProgramStarter& starter;
    DdeClient& dde;
};
