export function siteFiles(root: string): Promise<string[]>;
export function offlineList(root: string): Promise<{ version: string; urls: string[] }>;
